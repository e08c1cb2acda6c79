#include "core/settings/list_input.h"

namespace zqf {

namespace {
bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}

// Steps over the end of one line (CR LF, LF or a lone CR).
void skip_line_end(const std::string& s, std::size_t& pos) {
    if (pos < s.size() && s[pos] == '\r') {
        ++pos;
    }
    if (pos < s.size() && s[pos] == '\n') {
        ++pos;
    }
}
} // namespace

std::optional<std::string> ListInput::next_field() {
    const std::string& s = content_;
    if (pos_ >= s.size()) {
        return std::nullopt;
    }
    while (pos_ < s.size() && (s[pos_] == ' ' || s[pos_] == '\t')) {
        ++pos_;
    }
    std::string field;
    if (pos_ < s.size() && s[pos_] == '"') {
        ++pos_;
        while (pos_ < s.size() && s[pos_] != '"' && !is_line_end(s[pos_])) {
            field += s[pos_++];
        }
        if (pos_ < s.size() && s[pos_] == '"') {
            ++pos_;
        }
        // Whatever follows the closing quote up to the delimiter is dropped.
        while (pos_ < s.size() && s[pos_] != ',' && !is_line_end(s[pos_])) {
            ++pos_;
        }
    } else {
        while (pos_ < s.size() && s[pos_] != ',' && !is_line_end(s[pos_])) {
            field += s[pos_++];
        }
    }
    if (pos_ < s.size() && s[pos_] == ',') {
        ++pos_;
    } else {
        skip_line_end(s, pos_);
    }
    return field;
}

} // namespace zqf
