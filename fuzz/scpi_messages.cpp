// SCPI program messages: whatever a client sends, the instrument answers,
// refuses or drops it, and every word the virtual board latches on the way
// splits back, field by field, into the panel's members as they stood when
// the word was sent (overlays compared as their sum over their bits); no word
// reaches the board with a bit no field explains.
#include "core/registers/field_access.h"
#include "core/registers/register_maps.h"
#include "core/registers/word_fields.h"
#include "core/state/device_profile.h"
#include "core/text/convert.h"
#include "core/ui/quiet_host.h"
#include "core/windows/program.h"
#include "fuzz_check.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"
#include "remote/diverting_host.h"
#include "remote/instrument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace zqf;

// Which bits of the word the terms of the map place, for one device.
uint64_t mask_of(const BitRange& bits) {
    return ((uint64_t{1} << bits.width) - 1U) << bits.low;
}

// The word must be what the panel's members add up to, region by region:
// each field's bits hold its member's code, and where overlays lie on top,
// the bits hold the sum of everything placed there.
void check_word(const SharedState& panel, int index, uint32_t word) {
    const DeviceProfile& device = device_profile(panel.device_name);
    const RegisterMap* map = register_map(device.family, index);
    FUZZ_CHECK(map != nullptr);
    uint64_t overlaid = 0;
    for_each_term(*map, [&](const Term& term) {
        if (term.placement == Placement::overlay && term_applies(device, term)) {
            overlaid |= mask_of(term.bits);
        }
    });
    double expected_overlaid = 0.0;
    uint64_t placed = mask_of(bits(control_bits(device.family) - 1, 0));
    for_each_term(*map, [&](const Term& term) {
        if (!term_applies(device, term) || term.placement == Placement::reading) {
            return;
        }
        const double value = term_value(panel, device, term);
        placed |= mask_of(term.bits);
        if ((mask_of(term.bits) & overlaid) != 0) {
            expected_overlaid += value;
            return;
        }
        const double code = value / bit_weight(term.bits.low);
        FUZZ_CHECK(code >= 0.0 && code <= term.bits.max_code() &&
                   code == static_cast<uint64_t>(code));
        FUZZ_CHECK(((word & mask_of(term.bits)) >> term.bits.low) == static_cast<uint64_t>(code));
    });
    FUZZ_CHECK(static_cast<double>(word & overlaid) == expected_overlaid);
    FUZZ_CHECK((word & ~placed) == 0);
    // And the bit table's own split names every set bit.
    uint32_t rebuilt = 0;
    for (const WordField& field : split_word(device, index, word)) {
        rebuilt |= field.code << field.bits.low;
    }
    FUZZ_CHECK(rebuilt == word);
    FUZZ_CHECK((word & ((1U << control_bits(device.family)) - 1U)) == static_cast<uint32_t>(index));
}

// One instrument per device, kept across inputs as a server keeps running.
struct Bench {
    QuietHost quiet;
    remote::DivertingHost host{quiet};
    VirtualBoard board{[this] { return chip_geometry(program.state().device_name); }};
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "zqf-fuzz-scpi";
    Program program{host, board, {folder.string(), (folder / "comms_option.txt").string()}};
    remote::Instrument instrument{
        program, host, {"0", folder.string(), {}}, [](remote::ClientId, std::string_view) {}};

    explicit Bench(std::string_view option) {
        std::filesystem::create_directories(folder);
        program.start();
        program.find("deviceform")->get<OptionButton>(option).user_click();
        program.find("deviceform")->get<OptionButton>("option_usb").user_click();
        program.find("deviceform")->get<CaptionControl>("Command1").user_click();
        program.collect();
        // Every word as it is assembled, against the panel that made it (a
        // change holds its words back until it is sure of them all), and
        // then on the board exactly as sent.
        program.link().add_observer([this](const SentWord& sent) {
            if (sent.index < 7 || program.state().device_name == "ZQF7620") {
                check_word(program.state(), sent.index, word_bits(sent.word));
            }
        });
        program.link().add_transfer_observer([this](const Transfer& transfer) {
            if (transfer.delivery == Delivery::sent) {
                FUZZ_CHECK(board.latched(transfer.index) == transfer.word);
            }
        });
    }
};

constexpr std::array<std::string_view, 6> options{"Option1", "Option2", "Option3",
                                                  "Option6", "Option4", "Option5"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static std::array<std::unique_ptr<Bench>, options.size()> benches;
    if (size == 0) {
        return 0;
    }
    std::unique_ptr<Bench>& slot = benches[data[0] % options.size()];
    if (!slot) {
        slot = std::make_unique<Bench>(options[data[0] % options.size()]);
    }
    Bench& bench = *slot;
    const std::optional<remote::ClientId> client = bench.instrument.connect("fuzz");
    FUZZ_CHECK(client.has_value());
    bench.instrument.receive(*client,
                             std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    bench.program.collect();
    // A few ticks of whatever the input started, then stopped, as a client's
    // ABORt would.
    for (int tick = 0; tick < 3; ++tick) {
        for (Form* form : bench.program.open_forms()) {
            for (const auto& control : form->controls()) {
                if (auto* timer = dynamic_cast<Timer*>(control.get());
                    timer != nullptr && timer->timer_enabled()) {
                    bench.instrument.run_tick([timer] { timer->fire(); });
                }
            }
        }
        bench.program.collect();
    }
    bench.instrument.panel().abort();
    bench.instrument.disconnect(*client);
    bench.program.collect();
    return 0;
}
