#include "core/text/convert.h"

#include <charconv>
#include <cmath>

namespace zqf {

double round_half_even(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5) {
        return down;
    }
    if (diff > 0.5) {
        return down + 1.0;
    }
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

namespace {

template <typename Int> std::optional<Int> to_int(double value, double lowest, double highest) {
    if (std::isnan(value)) {
        return std::nullopt;
    }
    const double r = round_half_even(value);
    if (r < lowest || r > highest) {
        return std::nullopt;
    }
    return static_cast<Int>(r);
}

} // namespace

std::optional<int16_t> to_int16(double value) {
    return to_int<int16_t>(value, -32768.0, 32767.0);
}

std::optional<int32_t> to_int32(double value) {
    return to_int<int32_t>(value, -2147483648.0, 2147483647.0);
}

double integer_part(double value) {
    return std::floor(value);
}

double round15(double value) {
    if (!std::isfinite(value)) {
        return value;
    }
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    double back = value;
    std::from_chars(buf, res.ptr, back);
    return back;
}

uint32_t word_bits(double word) {
    if (!std::isfinite(word)) {
        return 0;
    }
    const double modulus = 4294967296.0;
    double r = std::fmod(round_half_even(word), modulus);
    if (r < 0) {
        r += modulus;
    }
    return static_cast<uint32_t>(r);
}

} // namespace zqf
