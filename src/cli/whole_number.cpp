#include "cli/whole_number.h"

#include <charconv>

namespace zqf::cli {

std::optional<int64_t> parse_whole(std::string_view text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace zqf::cli
