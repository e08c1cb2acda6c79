#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zqf::cli {

// A decimal whole number with an optional minus sign, and nothing else.
std::optional<int64_t> parse_whole(std::string_view text);

} // namespace zqf::cli
