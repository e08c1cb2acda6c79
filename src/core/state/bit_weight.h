#pragma once

namespace zqf {

// The weight of a register bit, 2^position, in the type its field is kept in:
// the register maps, the pre-weighted field values and the list and switch
// tables all speak in these weights.
template <typename T = double> constexpr T bit_weight(int position) {
    T weight = 1;
    for (int i = 0; i < position; ++i) {
        weight *= 2;
    }
    return weight;
}

} // namespace zqf
