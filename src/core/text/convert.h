#pragma once

#include <cstdint>
#include <optional>

namespace zqf {

// Rounds to the nearest whole number, a half to the even neighbour.
double round_half_even(double value);

// Conversions of a real to a whole number as the runtime does them: halves to
// even; a result outside the type's range (or a NaN) is a range error.
std::optional<int16_t> to_int16(double value);
std::optional<int32_t> to_int32(double value);

// The integer part, toward minus infinity.
double integer_part(double value);

// The value passed through its 15-significant-digit text and back.
double round15(double value);

// A register word as the 32 bits that go on the wire: rounded half to even and
// reduced modulo 2^32, so a word with bit 31 set keeps it and an out-of-range
// sum still yields its low 32 bits instead of a fault.
uint32_t word_bits(double word);

} // namespace zqf
