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

} // namespace zqf
