#pragma once

#include "remote/program_message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace zqf::remote {

// A value, or the error a client is told instead.
template <typename T> using Got = std::variant<T, ScpiError>;

template <typename T> const ScpiError* error_of(const Got<T>& got) {
    return std::get_if<ScpiError>(&got);
}

// The character data that stand for a value: MINimum, MAXimum, DEFault, and
// UP and DOWN where a step exists.
enum class Keyword { minimum, maximum, default_value, up, down };

// The keyword the datum is, if it is one of `allowed`.
std::optional<Keyword> keyword_of(const Parameter& datum, std::span<const Keyword> allowed);

// A frequency in Hz: a number with no unit (Hz) or with HZ, KHZ, MHZ (as in
// SCPI, megahertz; MAHZ too), GHZ.
Got<double> frequency_hz(const Parameter& datum);

// A time in seconds: a number with no unit (seconds) or with S, MS, US, NS.
Got<double> seconds(const Parameter& datum);

// ON or 1 is true, OFF or 0 false; any other number is rounded, and true
// unless it rounds to 0.
Got<bool> boolean(const Parameter& datum);

// A whole number from `low` to `high`: a decimal without a unit (rounded to
// the nearest whole number) or #H, #B, #Q data.
Got<int64_t> whole(const Parameter& datum, int64_t low, int64_t high);

// A string datum's text.
Got<std::string> text(const Parameter& datum);

// Checks that a command got exactly `count` data.
std::optional<ScpiError> expect_count(std::span<const Parameter> data, std::size_t count);

// How a datum is named in an error text.
std::string describe(const Parameter& datum);

} // namespace zqf::remote
