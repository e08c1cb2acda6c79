#pragma once

#include "core/state/shared_state.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

// What the main window shows of the field values. An empty optional leaves
// that read-out or switch as it is.
struct Readouts {
    struct Caption {
        std::string_view control;
        std::string text;
    };
    struct SwitchState {
        std::string_view control;
        bool on;
    };

    std::vector<Caption>
        frequencies; // vcofreq, ref_freq, ifvcofreq, ifref_freq, crystal, crystalIF
    std::vector<SwitchState> switches_before_currents; // the table rules
    std::optional<std::string> prescale;
    std::optional<std::string> currentsetting1;
    std::optional<std::string> currentsetting2;
    std::optional<bool> toggle4;                 // dual only
    std::optional<std::string> noise_option;     // "Option2" or "Option3"
    std::optional<std::string> muxout_name;      // Label5
    std::vector<SwitchState> powerdown_switches; // dual only
};

// Computes every read-out of the main window from the shared state.
Readouts compute_readouts(const SharedState& state);

// The muxout name of a code, or nothing when the device has no name for it.
std::optional<std::string> muxout_name(const SharedState& state);

// The noise and spur mode a refresh selects because the RF test mode holds
// its pattern (test code 23: "Low Noise and Spur Mode", 17: "Lowest Noise
// Mode", with no IF test mode), as its position in noise_patterns.
std::optional<std::size_t> noise_mode_of_test_mode(const SharedState& state);

} // namespace zqf
