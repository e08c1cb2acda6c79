// The program message syntax of IEEE 488.2 as SCPI uses it: units separated
// by ';', a header of ':'-separated mnemonics (or a '*' common command) with
// an optional '?', then after a blank the data, separated by ','.
#include "remote/program_message.h"

#include <charconv>
#include <limits>

namespace zqf::remote {

namespace {

// Longest mnemonic, character data and suffix SCPI allows.
constexpr std::size_t max_mnemonic = 12;
// Longest mantissa and exponent a decimal may be written with.
constexpr std::size_t max_digits = 255;

// <white space>: every control character and the blank, but not LF (which
// ends the message before it reaches the parser).
bool blank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 && c != '\n';
}
bool letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool digit(char c) {
    return c >= '0' && c <= '9';
}

ScpiError error(ErrorCode code, std::string detail = {}) {
    return {code, std::move(detail)};
}

std::string shown(std::string_view text) {
    constexpr std::size_t most = 40;
    return std::string(text.substr(0, most)) + (text.size() > most ? "..." : "");
}

std::optional<uint64_t> digit_value(char c, unsigned base) {
    unsigned value = 0;
    if (digit(c)) {
        value = static_cast<unsigned>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
        value = static_cast<unsigned>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
        value = static_cast<unsigned>(c - 'a' + 10);
    } else {
        return std::nullopt;
    }
    return value < base ? std::optional<uint64_t>(value) : std::nullopt;
}

} // namespace

void MessageParser::skip_blanks() {
    while (!rest_.empty() && blank(rest_.front())) {
        rest_.remove_prefix(1);
    }
}

bool MessageParser::at_end_of_unit() const {
    return rest_.empty() || rest_.front() == ';';
}

MessageParser::Next MessageParser::next() {
    if (failed_) {
        return End{};
    }
    skip_blanks();
    if (started_) {
        if (rest_.empty()) {
            return End{};
        }
        // A unit ends at ';'; a ';' before the end of the message is allowed.
        rest_.remove_prefix(1);
        skip_blanks();
        if (rest_.empty()) {
            return End{};
        }
    }
    started_ = true;
    if (rest_.empty()) {
        return End{};
    }
    const std::string_view start = rest_;
    ProgramUnit unit;
    std::optional<ScpiError> failure = header(unit.header);
    if (!failure) {
        failure = parameters(unit.parameters);
    }
    if (failure) {
        failed_ = true;
        return *failure;
    }
    std::string_view text = start.substr(0, start.size() - rest_.size());
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    unit.text = text;
    return unit;
}

std::optional<ScpiError> MessageParser::header(Header& out) {
    if (rest_.front() == ';') {
        return error(ErrorCode::syntax_error, "an empty command between two ';'");
    }
    if (rest_.front() == '*') {
        rest_.remove_prefix(1);
        out.common = true;
        Mnemonic node;
        if (auto failure = mnemonic(node)) {
            return failure;
        }
        out.nodes.push_back(std::move(node));
    } else {
        if (rest_.front() == ':') {
            out.rooted = true;
            rest_.remove_prefix(1);
        }
        for (;;) {
            Mnemonic node;
            if (auto failure = mnemonic(node)) {
                return failure;
            }
            out.nodes.push_back(std::move(node));
            if (rest_.empty() || rest_.front() != ':') {
                break;
            }
            rest_.remove_prefix(1);
        }
    }
    if (!rest_.empty() && rest_.front() == '?') {
        out.query = true;
        rest_.remove_prefix(1);
    }
    if (!rest_.empty() && !blank(rest_.front()) && rest_.front() != ';') {
        return error(ErrorCode::syntax_error,
                     "a blank must part the header from its data, at '" + shown(rest_) + "'");
    }
    return std::nullopt;
}

std::optional<ScpiError> MessageParser::mnemonic(Mnemonic& out) {
    if (rest_.empty() || !letter(rest_.front())) {
        if (!rest_.empty() && static_cast<unsigned char>(rest_.front()) >= 0x80) {
            return error(ErrorCode::invalid_character, "a header holds only ASCII letters");
        }
        return error(ErrorCode::syntax_error,
                     rest_.empty()
                         ? "the header ends where a mnemonic should follow"
                         : "a mnemonic must begin with a letter, at '" + shown(rest_) + "'");
    }
    std::size_t length = 0;
    while (length < rest_.size() &&
           (letter(rest_[length]) || digit(rest_[length]) || rest_[length] == '_')) {
        ++length;
    }
    std::string_view word = rest_.substr(0, length);
    rest_.remove_prefix(length);
    std::size_t digits = 0;
    while (digits < word.size() && digit(word[word.size() - 1 - digits])) {
        ++digits;
    }
    const std::string_view name = word.substr(0, word.size() - digits);
    if (name.size() > max_mnemonic) {
        return error(ErrorCode::mnemonic_too_long,
                     "'" + shown(name) + "' has more than 12 letters");
    }
    out.name = std::string(name);
    if (digits > 0) {
        uint32_t suffix = 0;
        const std::string_view number = word.substr(name.size());
        const auto [end, fault] =
            std::from_chars(number.data(), number.data() + number.size(), suffix);
        if (fault != std::errc() || end != number.data() + number.size()) {
            return error(ErrorCode::header_suffix_out_of_range,
                         "'" + shown(word) + "' has a numeric suffix too large");
        }
        out.suffix = suffix;
    }
    return std::nullopt;
}

std::optional<ScpiError> MessageParser::parameters(std::vector<Parameter>& out) {
    skip_blanks();
    if (at_end_of_unit()) {
        return std::nullopt;
    }
    for (;;) {
        Parameter item;
        if (auto failure = parameter(item)) {
            return failure;
        }
        out.push_back(std::move(item));
        skip_blanks();
        if (at_end_of_unit()) {
            return std::nullopt;
        }
        if (rest_.front() != ',') {
            return error(ErrorCode::invalid_separator,
                         "data must be parted by ',' and commands by ';', at '" + shown(rest_) +
                             "'");
        }
        rest_.remove_prefix(1);
        skip_blanks();
        if (at_end_of_unit()) {
            return error(ErrorCode::missing_parameter, "nothing follows the last ','");
        }
    }
}

std::optional<ScpiError> MessageParser::parameter(Parameter& out) {
    const char c = rest_.front();
    if (c == ',') {
        return error(ErrorCode::missing_parameter, "an empty item before ','");
    }
    if (digit(c) || c == '+' || c == '-' || c == '.') {
        return decimal(out);
    }
    if (c == '#') {
        return non_decimal(out);
    }
    if (c == '"' || c == '\'') {
        return string(out);
    }
    if (letter(c)) {
        return character(out);
    }
    return error(ErrorCode::invalid_character, "data cannot begin with '" + shown(rest_) + "'");
}

std::optional<ScpiError> MessageParser::decimal(Parameter& out) {
    std::size_t at = 0;
    const auto digits_from = [this](std::size_t position) {
        std::size_t end = position;
        while (end < rest_.size() && digit(rest_[end])) {
            ++end;
        }
        return end;
    };
    if (rest_[at] == '+' || rest_[at] == '-') {
        ++at;
    }
    const std::size_t integer_end = digits_from(at);
    std::size_t mantissa_end = integer_end;
    bool any_digit = integer_end > at;
    if (mantissa_end < rest_.size() && rest_[mantissa_end] == '.') {
        const std::size_t fraction_end = digits_from(mantissa_end + 1);
        any_digit = any_digit || fraction_end > mantissa_end + 1;
        mantissa_end = fraction_end;
    }
    if (!any_digit) {
        return error(ErrorCode::invalid_character_in_number,
                     "a number needs a digit, at '" + shown(rest_) + "'");
    }
    std::size_t end = mantissa_end;
    if (end < rest_.size() && (rest_[end] == 'E' || rest_[end] == 'e')) {
        std::size_t exponent = end + 1;
        if (exponent < rest_.size() && (rest_[exponent] == '+' || rest_[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponent_end = digits_from(exponent);
        // "1E" with no digits after it is no exponent: the E begins a suffix.
        if (exponent_end > exponent) {
            end = exponent_end;
        }
    }
    if (end > max_digits) {
        return error(ErrorCode::too_many_digits, "a number of more than 255 characters");
    }
    std::string_view number = rest_.substr(0, end);
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    DecimalData data;
    const auto [stop, fault] =
        std::from_chars(number.data(), number.data() + number.size(), data.value);
    if (fault == std::errc::result_out_of_range) {
        return error(ErrorCode::exponent_too_large,
                     "'" + shown(rest_.substr(0, end)) + "' is beyond what a number can hold");
    }
    if (fault != std::errc() || stop != number.data() + number.size()) {
        return error(ErrorCode::invalid_character_in_number,
                     "'" + shown(rest_.substr(0, end)) + "' is no number");
    }
    rest_.remove_prefix(end);
    skip_blanks();
    std::size_t suffix = 0;
    while (suffix < rest_.size() && (letter(rest_[suffix]) || rest_[suffix] == '/')) {
        ++suffix;
    }
    if (suffix > max_mnemonic) {
        return error(ErrorCode::suffix_too_long,
                     "'" + shown(rest_.substr(0, suffix)) + "' has more than 12 letters");
    }
    data.suffix = std::string(rest_.substr(0, suffix));
    rest_.remove_prefix(suffix);
    if (!rest_.empty() && (digit(rest_.front()) || rest_.front() == '.')) {
        return error(ErrorCode::invalid_character_in_number,
                     "a number cannot go on at '" + shown(rest_) + "'");
    }
    out = std::move(data);
    return std::nullopt;
}

std::optional<ScpiError> MessageParser::non_decimal(Parameter& out) {
    if (rest_.size() < 2) {
        return error(ErrorCode::syntax_error, "'#' must be followed by H, B or Q and digits");
    }
    const char kind = rest_[1];
    if (digit(kind)) {
        return error(ErrorCode::block_data_not_allowed, "no command takes block data");
    }
    unsigned base = 0;
    if (kind == 'H' || kind == 'h') {
        base = 16;
    } else if (kind == 'B' || kind == 'b') {
        base = 2;
    } else if (kind == 'Q' || kind == 'q') {
        base = 8;
    } else {
        return error(ErrorCode::syntax_error,
                     "'#" + std::string(1, kind) + "' is not #H, #B or #Q");
    }
    std::size_t end = 2;
    uint64_t value = 0;
    while (end < rest_.size() && (letter(rest_[end]) || digit(rest_[end]))) {
        const std::optional<uint64_t> d = digit_value(rest_[end], base);
        if (!d) {
            return error(ErrorCode::invalid_character_in_number, "'" + std::string(1, rest_[end]) +
                                                                     "' is no digit of base " +
                                                                     std::to_string(base));
        }
        if (value > (std::numeric_limits<uint64_t>::max() - *d) / base) {
            return error(ErrorCode::too_many_digits, "a number too large for 64 bits");
        }
        value = value * base + *d;
        ++end;
    }
    if (end == 2) {
        return error(ErrorCode::invalid_character_in_number,
                     "'#" + std::string(1, kind) + "' needs at least one digit");
    }
    rest_.remove_prefix(end);
    out = NonDecimalData{value};
    return std::nullopt;
}

std::optional<ScpiError> MessageParser::string(Parameter& out) {
    const char quote = rest_.front();
    std::string text;
    std::size_t at = 1;
    for (;;) {
        if (at >= rest_.size()) {
            return error(ErrorCode::invalid_string_data, "a string without its closing quote");
        }
        if (rest_[at] == quote) {
            if (at + 1 < rest_.size() && rest_[at + 1] == quote) {
                text += quote;
                at += 2;
                continue;
            }
            break;
        }
        text += rest_[at];
        ++at;
    }
    rest_.remove_prefix(at + 1);
    out = StringData{std::move(text)};
    return std::nullopt;
}

std::optional<ScpiError> MessageParser::character(Parameter& out) {
    std::size_t end = 0;
    while (end < rest_.size() && (letter(rest_[end]) || digit(rest_[end]) || rest_[end] == '_')) {
        ++end;
    }
    if (end > max_mnemonic) {
        return error(ErrorCode::character_data_too_long,
                     "'" + shown(rest_.substr(0, end)) + "' has more than 12 letters");
    }
    out = CharacterData{std::string(rest_.substr(0, end))};
    rest_.remove_prefix(end);
    return std::nullopt;
}

ParsedMessage parse_message(std::string_view message) {
    ParsedMessage parsed;
    MessageParser parser(message);
    for (;;) {
        MessageParser::Next next = parser.next();
        if (std::holds_alternative<MessageParser::End>(next)) {
            return parsed;
        }
        if (auto* failure = std::get_if<ScpiError>(&next)) {
            parsed.error = std::move(*failure);
            return parsed;
        }
        parsed.units.push_back(std::move(std::get<ProgramUnit>(next)));
    }
}

} // namespace zqf::remote
