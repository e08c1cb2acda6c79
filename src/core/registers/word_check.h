#pragma once

#include "core/registers/register_maps.h"

#include <optional>
#include <string>

namespace zqf {

// Why a word may not go to the chip.
struct WordRefusal {
    std::string reason; // "MOD = 10000 does not fit its 12-bit field, ..." (no register named)
    // The RF test-mode window's weighted value, which this device's word cannot
    // carry: the panel held it before and the word is kept off the wire, so a
    // settings file holding it is still the panel's own.
    bool uncarried_test_mode = false;
};

// The one invariant at the wire: `word`, assembled from the state for register
// `index` of the device, goes out only if it is a whole number below
// 2^(transfer bits) whose address bits are `index`, and splitting it with the
// bit table gives back every placed member's code exactly. Fields that an
// overlay adds to on purpose (the noise-and-spur patterns, the RF phase
// resync, the test-mode window's weighted value) are compared as their sum
// within the union of their bits; a sum that carries out of those bits is
// refused. Nothing when the word may go.
std::optional<WordRefusal> check_word(const SharedState& state, const DeviceProfile& device,
                                      int index, const RegisterMap& map, double word);

// The shape alone, for a word that is sent again as stored (a register the
// device has no map for): a whole number below 2^(transfer bits) carrying the
// address of `index`.
std::optional<WordRefusal> check_word_shape(const DeviceProfile& device, int index, double word);

} // namespace zqf
