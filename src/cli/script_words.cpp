#include "cli/script_words.h"

namespace zqf::cli {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::variant<std::vector<std::string>, WordsError> split_words(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && is_blank(line[i])) {
            ++i;
        }
        if (i == line.size()) {
            return words;
        }
        if (words.empty() && line[i] == '#') {
            return words;
        }
        std::string word;
        if (line[i] != '"') {
            while (i < line.size() && !is_blank(line[i])) {
                word += line[i++];
            }
            words.push_back(std::move(word));
            continue;
        }
        ++i;
        while (true) {
            if (i == line.size()) {
                return WordsError{"a quoted word has no closing quote"};
            }
            if (line[i] != '"') {
                word += line[i++];
                continue;
            }
            if (i + 1 < line.size() && line[i + 1] == '"') {
                word += '"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        if (i < line.size() && !is_blank(line[i])) {
            return WordsError{"a blank must follow the closing quote of a word"};
        }
        words.push_back(std::move(word));
    }
}

namespace {

std::string escaped(unsigned char byte) {
    constexpr char digits[] = "0123456789abcdef";
    return {'\\', 'x', digits[byte >> 4], digits[byte & 0xF]};
}

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at the start of `text` (no
// overlong forms, no surrogates, nothing above U+10FFFF), or 0.
std::size_t sequence_length(std::string_view text) {
    const auto at = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || text.size() < length || at(1) < low || at(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!is_continuation(at(i))) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string printable(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text[0]);
        if (byte < 0x80) {
            out += byte < 0x20 || byte == 0x7F ? escaped(byte) : std::string(1, text[0]);
            text.remove_prefix(1);
            continue;
        }
        const std::size_t length = sequence_length(text);
        // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F.
        const bool control =
            length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[1]) < 0xA0;
        if (length == 0 || control) {
            out += escaped(byte);
            text.remove_prefix(1);
            continue;
        }
        out += text.substr(0, length);
        text.remove_prefix(length);
    }
    return out;
}

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

} // namespace zqf::cli
