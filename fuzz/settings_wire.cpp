// Settings files on their way to the wire: the first byte picks the device
// the program runs, the rest is a settings file that Get Settings loads. A
// refused file changes nothing; an accepted one, and every register written
// after it, puts on the wire only words that decode to the panel's members.
#include "core/link/register_link.h"
#include "core/registers/word_audit.h"
#include "core/text/convert.h"
#include "core/ui/controls.h"
#include "core/ui/quiet_host.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"
#include "core/windows/settings_load.h"
#include "files/atomic_write.h"
#include "fuzz_check.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const std::string& scratch_folder() {
    static const std::string folder = [] {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("zqf-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

constexpr const char* device_options[] = {"Option1", "Option2", "Option3",
                                          "Option4", "Option5", "Option6"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string folder = scratch_folder();
    const std::string file = folder + "/settings.txt";
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    FUZZ_CHECK(zqf::write_atomically(file, bytes).empty());

    zqf::QuietHost host;
    zqf::Program* program_ref = nullptr;
    zqf::VirtualBoard board{
        [&program_ref] { return zqf::chip_geometry(program_ref->state().device_name); }};
    zqf::Program program(host, board, {folder, folder + "/comms_option.txt"});
    program_ref = &program;
    program.start();
    zqf::Form& start = *program.find("deviceform");
    start.get<zqf::OptionButton>(device_options[data[0] % 6]).user_click();
    start.get<zqf::OptionButton>(data[0] & 0x80 ? "option_usb" : "option_par").user_click();
    start.get<zqf::CaptionControl>("Command1").user_click();
    program.collect();

    bool audited = true;
    program.link().add_observer([&](const zqf::SentWord& w) {
        audited = audited && !zqf::audit_word(program.state(), w.index, zqf::word_bits(w.word));
    });
    const zqf::SharedState before = program.state();
    if (zqf::load_settings(program, file)) {
        FUZZ_CHECK(program.state() == before);
    } else {
        program.link().send_all_registers();
        program.link().send_every_register();
    }
    FUZZ_CHECK(audited);
    program.end();
    return 0;
}
