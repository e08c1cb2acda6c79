#include "core/state/list_choices.h"

#include "core/state/bit_weight.h"

namespace zqf {

void choose_rf_prescaler(SharedState& state, int position) {
    if (position != 0 && position != 1) {
        return;
    }
    const bool eight = position == 1;
    state.prescaler_p = eight ? 8 : 4;
    state.prescaler_field = eight ? bit_weight<int32_t>(20) : 0;
    state.prescaler_bit = eight ? 1.0 : 0.0;
}

void choose_if_prescaler(SharedState& state, int position) {
    if (position < 0 || position > 3) {
        return;
    }
    state.if_prescaler = 8 << position;
    state.if_prescaler_field = position * bit_weight<int32_t>(21);
}

void choose_resync(SharedState& state, int position) {
    if (position < 0 || position > 15) {
        return;
    }
    state.resync_value = static_cast<int16_t>(position);
    state.load_control = bit_weight(23);
}

} // namespace zqf
