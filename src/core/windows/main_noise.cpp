// The three noise-and-spur modes of the sigma-delta modulator.
#include "core/state/bit_weight.h"
#include "core/state/devices.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"

#include <optional>

namespace zqf {

namespace {

using enum Step;
constexpr auto p2 = bit_weight<int32_t>;

struct NoiseMode {
    std::string_view option;
    std::string_view caption;
    std::string_view tooltip;
    int32_t ns_bits_4r;
    std::optional<int32_t> ns_bits_5r; // nothing: left as the previous mode set it
    int32_t ns_bits_dual;
    PerFamily<Steps> steps;
};

const NoiseMode noise_modes[] = {
    {"Option1", "Lowest Spur Mode", "Lowest Spurs", 0, p2(30) + p2(29), 0,
     by_family<Steps>({r2, all_rf}, {r3, all_rf}, {r2, all_rf})},
    {"Option2", "Low Noise and Spur Mode", "Low Spurs and Noise", p2(9) + p2(8) + p2(7),
     std::nullopt, p2(6), by_family<Steps>({r2, all_rf, all}, {r3, all_rf}, {})},
    {"Option3", "Lowest Noise Mode", "Lowest Noise", p2(9) + p2(8) + p2(7) + p2(6) + p2(2), 0,
     p2(15) + p2(11) + p2(6), by_family<Steps>({r2, all_rf, all}, {r3}, {r2, all_rf})},
};

// The very first "Lowest Spur Mode" of a run lights more on the dual family.
constexpr Steps first_spur_mode_dual{all_if, all_rf, all};

} // namespace

void MainForm::create_noise_modes() {
    for (int i = 0; i < 3; ++i) {
        const NoiseMode& mode = noise_modes[i];
        auto& option =
            add<OptionButton>(std::string(mode.option), std::string(mode.caption), "noise");
        option.set_tooltip(std::string(mode.tooltip));
        option.on_click = [this, i] { noise_option_click(i); };
    }
}

void MainForm::noise_mode() {
    SharedState& s = program_.state();
    for (const NoiseMode& mode : noise_modes) {
        if (!get<OptionButton>(mode.option).value()) {
            continue;
        }
        for (const NoiseMode& other : noise_modes) {
            get<OptionButton>(other.option)
                .set_colour(&other == &mode ? CaptionColour::text : CaptionColour::shadow);
        }
        s.ns_bits_4r = mode.ns_bits_4r;
        if (mode.ns_bits_5r) {
            s.ns_bits_5r = *mode.ns_bits_5r;
        }
        s.ns_bits_dual = mode.ns_bits_dual;
        return;
    }
}

void MainForm::noise_option_click(int option) {
    SharedState& s = program_.state();
    const NoiseMode& mode = noise_modes[option];
    noise_mode();
    refresh_registers();
    const bool first_spur_mode = option == 0 && s.first_option1_done == 0;
    const Family family = family_of(s.device_name);
    run_steps(first_spur_mode && family == Family::dual ? first_spur_mode_dual
                                                        : mode.steps.of(family));
    if (option == 0) {
        s.first_option1_done = 1;
    }
}

} // namespace zqf
