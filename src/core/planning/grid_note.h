#pragma once

#include "core/state/shared_state.h"

#include <optional>
#include <string>

namespace zqf {

// The frequency the stored dividers give, in Hz: (INT + FRAC/MOD) x PFD, or
// the ZQF7350's 25-bit fraction; nothing when MOD is 0.
std::optional<double> planned_output_hz(const SharedState& state);

// What a planner says when the frequency it wrote is not the one asked for,
// all in Hz: "2450.0 MHz written, 100 kHz below the wanted 2450.1 MHz (200 kHz
// channel grid)". Empty when the two agree to a millihertz.
std::string grid_note(double wanted_hz, double written_hz, double step_hz);

} // namespace zqf
