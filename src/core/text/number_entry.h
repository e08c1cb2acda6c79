#pragma once

#include <optional>
#include <string_view>

namespace zqf {

// Reads an entry as a decimal number: optional sign, digits with an optional
// point, an optional exponent ("1.5E6", "-.5", " 10 "); blanks around it are
// allowed. Anything else, the empty text included, is no number.
std::optional<double> parse_number(std::string_view text);

} // namespace zqf
