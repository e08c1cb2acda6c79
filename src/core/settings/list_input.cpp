#include "core/settings/list_input.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

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

std::optional<std::string> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return content.str();
}

bool replace_file(const std::string& path, std::string_view content) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace zqf
