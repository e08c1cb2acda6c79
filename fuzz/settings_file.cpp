// Settings files: whatever the bytes, reading them ends in settings or in a
// refusal a message box can show; settings that were accepted are written and
// read back to the very same file.
#include "core/settings/settings_reader.h"
#include "core/settings/settings_writer.h"
#include "core/state/start_values.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

namespace {

bool printable(const std::string& text) {
    for (const char c : text) {
        if (c < ' ' || c > '~') {
            return false;
        }
    }
    return true;
}

zqf::SharedState running_panel() {
    zqf::SharedState state;
    zqf::apply_first_start_values(state);
    state.device_name = "ZQF7620";
    return state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const zqf::SharedState now = running_panel();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const zqf::SettingsRead read = zqf::read_settings(bytes, now);
    if (const auto* refusal = std::get_if<zqf::SettingsRefusal>(&read)) {
        FUZZ_CHECK(!refusal->reason.empty() && printable(refusal->reason));
        return 0;
    }
    const std::string written = zqf::render_settings(std::get<zqf::SettingsFile>(read).values);
    const zqf::SettingsRead again = zqf::read_settings(written, now);
    FUZZ_CHECK(std::holds_alternative<zqf::SettingsFile>(again));
    FUZZ_CHECK(zqf::render_settings(std::get<zqf::SettingsFile>(again).values) == written);
    return 0;
}
