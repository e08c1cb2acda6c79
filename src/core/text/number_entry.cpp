#include "core/text/number_entry.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace zqf {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Checks the grammar [+-] (digits [. [digits]] | . digits) [(e|E) [+-] digits].
bool well_formed(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        ++i;
    }
    std::size_t mantissa_digits = 0;
    for (; i < t.size() && is_digit(t[i]); ++i) {
        ++mantissa_digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        for (; i < t.size() && is_digit(t[i]); ++i) {
            ++mantissa_digits;
        }
    }
    if (mantissa_digits == 0) {
        return false;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        std::size_t exponent_digits = 0;
        for (; i < t.size() && is_digit(t[i]); ++i) {
            ++exponent_digits;
        }
        if (exponent_digits == 0) {
            return false;
        }
    }
    return i == t.size();
}

} // namespace

std::optional<double> parse_number(std::string_view text) {
    const std::string_view t = trim(text);
    if (!well_formed(t)) {
        return std::nullopt;
    }
    // from_chars takes neither a leading '+' nor a bare trailing '.'; it is
    // locale-independent, unlike strtod.
    std::string clean(t.front() == '+' ? t.substr(1) : t);
    double value = 0.0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (res.ec != std::errc() || res.ptr != clean.data() + clean.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace zqf
