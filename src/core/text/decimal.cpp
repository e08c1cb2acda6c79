#include "core/text/decimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zqf::detail {

Decimal to_decimal15(double value) {
    Decimal d;
    if (!std::isfinite(value) || value == 0.0) {
        return d;
    }
    // d.dddddddddddddde±XX: fifteen significant digits, correctly rounded.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr);
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i) {
        if (text[i] != '.') {
            d.digits.push_back(text[i]);
        }
    }
    d.point = std::atoi(text.c_str() + e + 1) + 1;
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

} // namespace zqf::detail
