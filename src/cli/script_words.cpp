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
