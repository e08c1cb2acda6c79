#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zqf {

// Reads the fields of a text file the way the runtime's list input does: a
// field ends at a comma or at the end of its line; blanks before a field are
// skipped; a field that begins with a double quote runs to the closing quote
// and is taken without the quotes.
class ListInput {
  public:
    explicit ListInput(std::string content) : content_(std::move(content)) {}

    // The next field as text, or nothing at the end of the input.
    std::optional<std::string> next_field();

  private:
    std::string content_;
    std::size_t pos_ = 0;
};

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> read_file(const std::string& path);

// Replaces a file's content through a temporary file and a rename, so a failed
// write never leaves the old file truncated. False when it could not be written.
bool replace_file(const std::string& path, std::string_view content);

} // namespace zqf
