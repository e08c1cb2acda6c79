#pragma once

#include "core/state/shared_state.h"
#include "core/tools/tick.h"

namespace zqf {

// The frequency sweep: from a start frequency up to a stop frequency, one step
// per tick. Its position lives in the shared state between ticks; the ZQF7350
// keeps a pair of its own, since it steps by one unit of its fixed modulus
// instead of the channel step.

// Start: both pairs from the two frequencies (Hz), the step from chan_step.
void start_sweep(SharedState& state, double start_hz, double stop_hz);

// The position and the stop of the pair the device sweeps with.
double sweep_position(const SharedState& state);
double sweep_stop(const SharedState& state);

// One tick. Once the position has reached the stop: rf_freq takes the
// position and the outcome is finished, with nothing to write. Otherwise the
// position moves one step and the dividers for it are stored (rf_freq stays as
// it is, except on the ZQF7350, whose plan is made from it).
TickOutcome sweep_tick(SharedState& state);

} // namespace zqf
