#pragma once

#include "remote/scpi_error.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zqf::remote {

// <decimal numeric program data>, with its unit suffix as typed ("1.75",
// "GHZ"); the suffix is empty when there is none.
struct DecimalData {
    double value = 0.0;
    std::string suffix;
};

// #H, #B and #Q data: a whole number written in base 16, 2 or 8.
struct NonDecimalData {
    uint64_t value = 0;
};

// A mnemonic as data (MINimum, ON, SWEep), as typed.
struct CharacterData {
    std::string text;
};

// A quoted string, its doubled quotes made single.
struct StringData {
    std::string text;
};

using Parameter = std::variant<DecimalData, NonDecimalData, CharacterData, StringData>;

// One node of a header: the mnemonic as typed without its numeric suffix,
// and the suffix when it has one ("SOURce2" is "SOURce" and 2).
struct Mnemonic {
    std::string name;
    std::optional<uint32_t> suffix;
};

struct Header {
    bool common = false; // *IDN?
    bool rooted = false; // begins with ':'
    bool query = false;  // ends with '?'
    std::vector<Mnemonic> nodes;
};

// One command or query of a program message, with the text it came from.
struct ProgramUnit {
    Header header;
    std::vector<Parameter> parameters;
    std::string_view text;
};

// Takes a program message (one line, its terminator removed) apart into its
// units, one at a time, so that a unit runs before a later one is found to be
// malformed. After an error the rest of the message is not looked at.
class MessageParser {
  public:
    // `continuing`: the message goes on after a unit already carried out, so
    // it begins at the ';' that ends that unit.
    explicit MessageParser(std::string_view message, bool continuing = false)
        : rest_(message), started_(continuing) {}

    struct End {};
    using Next = std::variant<End, ProgramUnit, ScpiError>;
    Next next();
    // What the units so far have not taken.
    std::string_view remaining() const { return failed_ ? std::string_view() : rest_; }

  private:
    std::optional<ScpiError> header(Header& out);
    std::optional<ScpiError> mnemonic(Mnemonic& out);
    std::optional<ScpiError> parameters(std::vector<Parameter>& out);
    std::optional<ScpiError> parameter(Parameter& out);
    std::optional<ScpiError> decimal(Parameter& out);
    std::optional<ScpiError> non_decimal(Parameter& out);
    std::optional<ScpiError> string(Parameter& out);
    std::optional<ScpiError> character(Parameter& out);
    void skip_blanks();
    bool at_end_of_unit() const;

    std::string_view rest_;
    bool failed_ = false;
    bool started_ = false;
};

// The whole message at once: its units, or the first error with the units
// before it.
struct ParsedMessage {
    std::vector<ProgramUnit> units;
    std::optional<ScpiError> error;
};
ParsedMessage parse_message(std::string_view message);

} // namespace zqf::remote
