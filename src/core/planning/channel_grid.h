#pragma once

#include <optional>
#include <string>

namespace zqf {

// The whole number a ratio stands for, when it is one but for the rounding of
// the division that gave it (a step typed to fifteen digits of PFD / MOD);
// nothing when it lies between two whole numbers.
std::optional<double> whole_ratio(double ratio);

// A channel step that divides the PFD into a whole MOD, so that FRAC counts
// whole steps and every planned frequency lies on the step's grid. Nothing
// when it does; else why not, naming the nearest steps that do ("The channel
// step 250 kHz does not divide the PFD 19.2 MHz into a whole MOD (76.8); the
// nearest steps that do are 252.631578947368 kHz (MOD 76) and 249.350649350649
// kHz (MOD 77).").
std::optional<std::string> channel_grid_misfit(double pfd_hz, double step_hz);

// An IF PFD that divides the reference into a whole R, so that the chip
// compares at the PFD the IF counters are planned for. Nothing when it does;
// else why not, naming the nearest IF PFDs that do.
std::optional<std::string> if_reference_misfit(double reference_hz, double if_pfd_hz);

} // namespace zqf
