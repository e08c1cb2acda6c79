#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zqf {

// General form: the value rounded to 15 significant digits, shortest text,
// no trailing zeros, "." as the point, "0" before a leading point
// (0.298023223876953, 1750.2, 10000). Magnitudes of 1E+15 and above, and
// below 1E-4, take the exponent form (1E+15, 2.5E-05).
std::string general_form(double value);

// The settings file's print form of a real: as the general form but without
// the "0" before the point, framed by a leading blank for values that are not
// negative and one trailing blank (" .5 ", " 1750000000 ", "-3 ").
std::string print_form(double value);

// The settings file's form of a whole number (" 51200 ", "-3 ").
std::string print_form(int64_t value);

// A numeric template such as "#0.00000", ".000000", "0.0000" or ".00": the
// zeros before the point give the minimum number of integer digits, the zeros
// after it the exact number of decimals. The value is first rounded to 15
// significant digits, then to the decimals with halves away from zero.
std::string format_template(double value, std::string_view pattern);

// Upper-case hexadecimal digits without leading zeros ("0" for zero).
std::string hex_text(uint32_t value);

// A word of `bits` bits in upper-case hexadecimal, zero-padded to the digits
// that width takes ("0440C9" for 24 bits, "00C80011" for 32).
std::string padded_hex(uint32_t value, int bits);

} // namespace zqf
