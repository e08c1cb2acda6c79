#include "core/windows/noise_modes.h"

#include "core/state/devices.h"
#include "core/state/noise_patterns.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"

#include <iterator>

namespace zqf {

namespace {

using enum Step;

// Each mode's button, caption, tool tip and the steps its click runs; the
// bit patterns it stores are noise_patterns' row of the same position.
struct NoiseMode {
    std::string_view tooltip;
    PerFamily<Steps> steps;
};

const NoiseMode noise_modes[] = {
    {"Lowest Spurs", by_family<Steps>({r2, all_rf}, {r3, all_rf}, {r2, all_rf})},
    {"Low Spurs and Noise", by_family<Steps>({r2, all_rf, all}, {r3, all_rf}, {})},
    {"Lowest Noise", by_family<Steps>({r2, all_rf, all}, {r3}, {r2, all_rf})},
};
static_assert(std::size(noise_modes) == noise_patterns.size());

// The very first "Lowest Spur Mode" of a run lights more on the dual family.
constexpr Steps first_spur_mode_dual{all_if, all_rf, all};

} // namespace

NoiseModes::NoiseModes(MainForm& panel, Program& program) : panel_(panel), program_(program) {
    for (std::size_t i = 0; i < noise_patterns.size(); ++i) {
        const NoiseMode& mode = noise_modes[i];
        auto& option = panel.add<OptionButton>(std::string(noise_patterns[i].option),
                                               std::string(noise_patterns[i].caption), "noise");
        option.set_tooltip(std::string(mode.tooltip));
        option.on_click = [this, i] { noise_option_click(static_cast<int>(i)); };
    }
}

void NoiseModes::noise_mode() {
    for (const NoisePattern& pattern : noise_patterns) {
        if (!panel_.get<OptionButton>(pattern.option).value()) {
            continue;
        }
        for (const NoisePattern& other : noise_patterns) {
            panel_.get<OptionButton>(other.option)
                .set_colour(&other == &pattern ? CaptionColour::text : CaptionColour::shadow);
        }
        store_noise_pattern(program_.state(), pattern);
        return;
    }
}

void NoiseModes::noise_option_click(int option) {
    SharedState& s = program_.state();
    const NoiseMode& mode = noise_modes[static_cast<std::size_t>(option)];
    noise_mode();
    panel_.refresh_registers();
    const bool first_spur_mode = option == 0 && s.first_option1_done == 0;
    const Family family = family_of(s.device_name);
    panel_.run_steps(first_spur_mode && family == Family::dual ? first_spur_mode_dual
                                                               : mode.steps.of(family));
    if (option == 0) {
        s.first_option1_done = 1;
    }
}

} // namespace zqf
