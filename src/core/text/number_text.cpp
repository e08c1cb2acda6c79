#include "core/text/number_text.h"

#include "core/text/decimal.h"

#include <cstdio>
#include <cstdlib>

namespace zqf {

namespace {

using detail::Decimal;

std::string exponent_text(const Decimal& d) {
    std::string out = d.negative ? "-" : "";
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        out += '.';
        out += d.digits.substr(1);
    }
    const int exponent = d.point - 1;
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) {
        digits.insert(digits.begin(), '0');
    }
    return out + "E" + (exponent < 0 ? "-" : "+") + digits;
}

// Plain positional text of the 15-digit value; `zero_before_point` decides
// between "0.5" and ".5".
std::string plain_text(const Decimal& d, bool zero_before_point) {
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.point <= 0) {
        if (zero_before_point) {
            out += '0';
        }
        out += '.';
        out.append(static_cast<std::size_t>(-d.point), '0');
        return out + d.digits;
    }
    if (d.point >= n) {
        out += d.digits;
        out.append(static_cast<std::size_t>(d.point - n), '0');
        return out;
    }
    return out + d.digits.substr(0, d.point) + "." + d.digits.substr(d.point);
}

bool wants_exponent(const Decimal& d) {
    const int exponent = d.point - 1;
    return exponent >= 15 || exponent < -4;
}

std::string number_text(double value, bool zero_before_point) {
    const Decimal d = detail::to_decimal15(value);
    if (d.digits.empty()) {
        return "0";
    }
    return wants_exponent(d) ? exponent_text(d) : plain_text(d, zero_before_point);
}

} // namespace

std::string general_form(double value) {
    return number_text(value, true);
}

std::string print_form(double value) {
    const std::string text = number_text(value, false);
    return (text.front() == '-' ? "" : " ") + text + " ";
}

std::string print_form(int64_t value) {
    const std::string text = std::to_string(value);
    return (value < 0 ? "" : " ") + text + " ";
}

std::string format_template(double value, std::string_view pattern) {
    const std::size_t dot = pattern.find('.');
    const std::string_view int_part = pattern.substr(0, dot);
    std::size_t min_int_digits = 0;
    for (const char c : int_part) {
        min_int_digits += c == '0' ? 1 : 0;
    }
    const std::size_t decimals = dot == std::string_view::npos ? 0 : pattern.size() - dot - 1;

    const Decimal d = detail::to_decimal15(value);
    // All digits up to the last decimal kept, as one whole number of units of
    // 10^-decimals, built from the 15 significant digits.
    const long keep = static_cast<long>(d.point) + static_cast<long>(decimals);
    std::string units;
    bool round_up = false;
    if (keep > 0) {
        for (long i = 0; i < keep; ++i) {
            units += i < static_cast<long>(d.digits.size()) ? d.digits[i] : '0';
        }
        round_up = keep < static_cast<long>(d.digits.size()) && d.digits[keep] >= '5';
    } else {
        round_up = keep == 0 && !d.digits.empty() && d.digits[0] >= '5';
    }
    if (round_up) {
        int i = static_cast<int>(units.size()) - 1;
        for (; i >= 0 && units[i] == '9'; --i) {
            units[i] = '0';
        }
        if (i < 0) {
            units.insert(units.begin(), '1');
        } else {
            ++units[i];
        }
    }
    if (units.size() < decimals + min_int_digits) {
        units.insert(0, decimals + min_int_digits - units.size(), '0');
    }
    if (units.size() < decimals) {
        units.insert(0, decimals - units.size(), '0');
    }
    std::string integer = units.substr(0, units.size() - decimals);
    const std::string fraction = units.substr(units.size() - decimals);
    while (integer.size() > min_int_digits && integer.front() == '0') {
        integer.erase(integer.begin());
    }
    const bool all_zero = units.find_first_not_of('0') == std::string::npos;
    std::string out = d.negative && !all_zero ? "-" : "";
    out += integer;
    if (decimals > 0) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string hex_text(uint32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(value));
    return buf;
}

std::string padded_hex(uint32_t value, int bits) {
    const int digits = bits >= 32 ? 8 : bits <= 0 ? 1 : (bits + 3) / 4;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, static_cast<unsigned>(value));
    return buf;
}

} // namespace zqf
