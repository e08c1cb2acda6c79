#pragma once

#include "core/state/shared_state.h"
#include "core/tools/tick.h"

namespace zqf {

// The spurious-optimisation sweep: the phase word steps from a start value up
// to MOD - 1 at the dividers of one output frequency.

// Start: the phase and the dividers for `rf_hz`, stored only together.
TickOutcome start_phase_sweep(SharedState& state, double phase, double rf_hz);

// One tick: the phase one higher while it is below MOD - 1 (stored, the caller
// writes R1 and R0); at MOD - 1 or above it holds.
TickOutcome phase_tick(SharedState& state);
// Whether the next tick holds: it then touches nothing, however often it comes.
bool phase_sweep_holds(const SharedState& state);

// One channel up (+1) or down (-1) from rf_freq, the dividers planned again.
TickOutcome step_channel(SharedState& state, double direction);

} // namespace zqf
