#pragma once

#include "core/state/shared_state.h"
#include "core/tools/tick.h"

namespace zqf {

// One hop of the lock-time hopper between f1 and f2 (MHz, as the boxes read
// now): the frequency not programmed last becomes hop_current, and the
// dividers for it are stored. rf_freq stays as it is, except on the ZQF7350,
// whose 25-bit fraction is planned from it. The hopper's memory (hop_current,
// the last two frequencies, hop_used) survives the window, so the alternation
// goes on where it stopped.
TickOutcome hop_tick(SharedState& state, double f1_mhz, double f2_mhz);

} // namespace zqf
