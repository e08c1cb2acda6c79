// The three noise-and-spur modes of the sigma-delta modulator.
#include "core/state/devices.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"

#include <optional>

namespace zqf {

namespace {

constexpr int p2(int n) {
    return 1 << n;
}

struct NoiseMode {
    std::string_view option;
    std::string_view caption;
    std::string_view tooltip;
    int32_t ns_bits_4r;
    std::optional<int32_t> ns_bits_5r; // nothing: left as the previous mode set it
    int32_t ns_bits_dual;
    // Indicators per family: dual, 4-register, 5-register.
    std::string_view dual;
    std::string_view four;
    std::string_view five;
};

const NoiseMode noise_modes[] = {
    {"Option1", "Lowest Spur Mode", "Lowest Spurs", 0, p2(30) + p2(29), 0, "R2 AllRF", "R3 AllRF",
     "R2 AllRF"},
    {"Option2", "Low Noise and Spur Mode", "Low Spurs and Noise", p2(9) + p2(8) + p2(7),
     std::nullopt, p2(6), "R2 AllRF All", "R3 AllRF", ""},
    {"Option3", "Lowest Noise Mode", "Lowest Noise", p2(9) + p2(8) + p2(7) + p2(6) + p2(2), 0,
     p2(15) + p2(11) + p2(6), "R2 AllRF All", "R3", "R2 AllRF"},
};

// The very first "Lowest Spur Mode" of a run lights more on the dual family.
constexpr std::string_view first_spur_mode_dual = "AllIF AllRF All";

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
    const std::string_view steps = per_family(s.device_name, mode.four, mode.five,
                                              first_spur_mode ? first_spur_mode_dual : mode.dual);
    run_steps(steps);
    if (option == 0) {
        s.first_option1_done = 1;
    }
}

} // namespace zqf
