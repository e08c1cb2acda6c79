#include "remote/parameters.h"

#include "core/text/number_text.h"
#include "remote/header_pattern.h"

#include <cmath>

namespace zqf::remote {

namespace {

struct Unit {
    std::string_view suffix;
    double factor;
};

constexpr Unit frequency_units[] = {
    {"HZ", 1.0}, {"KHZ", 1e3}, {"MHZ", 1e6}, {"MAHZ", 1e6}, {"GHZ", 1e9},
};
constexpr Unit time_units[] = {
    {"S", 1.0},
    {"MS", 1e-3},
    {"US", 1e-6},
    {"NS", 1e-9},
};

struct KeywordName {
    Keyword keyword;
    std::string_view spelled;
};
constexpr KeywordName keyword_names[] = {
    {Keyword::minimum, "MINimum"},
    {Keyword::maximum, "MAXimum"},
    {Keyword::default_value, "DEFault"},
    {Keyword::up, "UP"},
    {Keyword::down, "DOWN"},
};

Got<double> with_unit(const Parameter& datum, std::span<const Unit> units, std::string_view what) {
    const auto* decimal = std::get_if<DecimalData>(&datum);
    if (decimal == nullptr) {
        return ScpiError{ErrorCode::data_type_error, what == "frequency"
                                                         ? "a frequency must be a number"
                                                         : "a time must be a number"};
    }
    if (decimal->suffix.empty()) {
        return decimal->value * units.front().factor;
    }
    for (const Unit& unit : units) {
        if (is_keyword(decimal->suffix, unit.suffix)) {
            const double value = decimal->value * unit.factor;
            if (!std::isfinite(value)) {
                return ScpiError{ErrorCode::data_out_of_range, describe(datum) + " is too large"};
            }
            return value;
        }
    }
    return ScpiError{ErrorCode::invalid_suffix,
                     "'" + decimal->suffix + "' is no unit of a " + std::string(what)};
}

} // namespace

std::string describe(const Parameter& datum) {
    if (const auto* decimal = std::get_if<DecimalData>(&datum)) {
        return general_form(decimal->value) +
               (decimal->suffix.empty() ? "" : " " + decimal->suffix);
    }
    if (const auto* non_decimal = std::get_if<NonDecimalData>(&datum)) {
        return "#H" + hex_text(static_cast<uint32_t>(non_decimal->value));
    }
    if (const auto* chars = std::get_if<CharacterData>(&datum)) {
        return chars->text;
    }
    return quoted(std::get<StringData>(datum).text);
}

std::optional<Keyword> keyword_of(const Parameter& datum, std::span<const Keyword> allowed) {
    const auto* chars = std::get_if<CharacterData>(&datum);
    if (chars == nullptr) {
        return std::nullopt;
    }
    for (const Keyword keyword : allowed) {
        for (const KeywordName& name : keyword_names) {
            if (name.keyword == keyword && is_keyword(chars->text, name.spelled)) {
                return keyword;
            }
        }
    }
    return std::nullopt;
}

Got<double> frequency_hz(const Parameter& datum) {
    return with_unit(datum, frequency_units, "frequency");
}

Got<double> seconds(const Parameter& datum) {
    return with_unit(datum, time_units, "time");
}

Got<bool> boolean(const Parameter& datum) {
    if (const auto* chars = std::get_if<CharacterData>(&datum)) {
        if (is_keyword(chars->text, "ON")) {
            return true;
        }
        if (is_keyword(chars->text, "OFF")) {
            return false;
        }
        return ScpiError{ErrorCode::illegal_parameter_value,
                         "'" + chars->text + "' is not ON, OFF, 1 or 0"};
    }
    if (const auto* decimal = std::get_if<DecimalData>(&datum)) {
        if (!decimal->suffix.empty()) {
            return ScpiError{ErrorCode::suffix_not_allowed, "a boolean takes no unit"};
        }
        return std::nearbyint(decimal->value) != 0.0;
    }
    return ScpiError{ErrorCode::data_type_error, "a boolean is ON, OFF, 1 or 0"};
}

Got<int64_t> whole(const Parameter& datum, int64_t low, int64_t high) {
    double value = 0.0;
    if (const auto* decimal = std::get_if<DecimalData>(&datum)) {
        if (!decimal->suffix.empty()) {
            return ScpiError{ErrorCode::suffix_not_allowed, "a whole number takes no unit"};
        }
        value = std::nearbyint(decimal->value);
    } else if (const auto* non_decimal = std::get_if<NonDecimalData>(&datum)) {
        value = static_cast<double>(non_decimal->value);
    } else {
        return ScpiError{ErrorCode::data_type_error,
                         "a whole number is wanted, not " + describe(datum)};
    }
    if (value < static_cast<double>(low) || value > static_cast<double>(high)) {
        return ScpiError{ErrorCode::data_out_of_range, describe(datum) + " is outside " +
                                                           std::to_string(low) + " to " +
                                                           std::to_string(high)};
    }
    return static_cast<int64_t>(value);
}

Got<std::string> text(const Parameter& datum) {
    if (const auto* string = std::get_if<StringData>(&datum)) {
        return string->text;
    }
    return ScpiError{ErrorCode::data_type_error,
                     "a quoted string is wanted, not " + describe(datum)};
}

std::optional<ScpiError> expect_count(std::span<const Parameter> data, std::size_t count) {
    if (data.size() < count) {
        return ScpiError{ErrorCode::missing_parameter,
                         count == 1 ? "the command takes one value"
                                    : "the command takes " + std::to_string(count) + " values"};
    }
    if (data.size() > count) {
        return ScpiError{ErrorCode::parameter_not_allowed,
                         count == 0 ? "the command takes no value"
                                    : "the command takes only " + std::to_string(count) +
                                          (count == 1 ? " value" : " values")};
    }
    return std::nullopt;
}

} // namespace zqf::remote
