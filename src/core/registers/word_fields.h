#pragma once

#include "core/registers/register_maps.h"

#include <cstdint>
#include <vector>

namespace zqf {

// One named piece of a register word.
struct WordField {
    FieldId id;
    BitRange bits;
    uint32_t code; // the value of those bits, shifted down to bit 0
};

// Splits a word of register `index` into the named fields of the device's
// map, most significant bits first, covering every bit of the device's word
// (24 or 32): the fields the map places for the device, its fixed bits and
// the address bits. A bit that no field owns is named by the overlay or
// reading that reaches it, or else is reserved. The codes re-assemble to the
// word: the sum of code x 2^low over the pieces. Nothing for a register the
// device's map does not have.
std::vector<WordField> split_word(const DeviceProfile& device, int index, uint32_t word);

} // namespace zqf
