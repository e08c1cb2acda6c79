#pragma once

#include "core/state/shared_state.h"

namespace zqf {

// What choosing an entry of the main panel's lists stores, for the lists whose
// choice the settings loader also has to foresee. Positions outside a list
// change nothing.

// Position 0 is 4/5 (prescaler_p 4, prescaler_field 0, prescaler_bit 0),
// position 1 is 8/9 (8, 2^20, 1): the three members always change together.
void choose_rf_prescaler(SharedState& state, int position);

// Position n is 8 x 2^n over 8 x 2^n + 1, with if_prescaler_field n x 2^21.
void choose_if_prescaler(SharedState& state, int position);

// Resync n (0 to 15), which also switches the fast-lock load control on.
void choose_resync(SharedState& state, int position);

} // namespace zqf
