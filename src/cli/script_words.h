#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zqf::cli {

// The words of one script line, or why the line cannot be split. Blanks
// separate words; a word that opens with a double quote runs to the closing
// quote and may hold blanks, with "" standing for one quote inside it. A quote
// anywhere else is an ordinary character. Blank lines and lines whose first
// non-blank character is '#' have no words.
struct WordsError {
    std::string reason;
};
std::variant<std::vector<std::string>, WordsError> split_words(std::string_view line);

// The text with every control character (C0, DEL, C1) and every byte that is
// not part of valid UTF-8 written as \xHH, so a line echoed from a script
// cannot move the cursor, clear the screen or retitle the terminal.
std::string printable(std::string_view text);

// The text in double quotes, each quote inside it doubled, as a script would
// write it.
std::string quote(std::string_view text);

} // namespace zqf::cli
