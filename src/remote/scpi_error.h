#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zqf::remote {

// The error and event numbers a client reads with SYSTem:ERRor?, as SCPI
// defines them. Negative numbers are the standard's; each has a fixed text.
enum class ErrorCode : int {
    none = 0,
    command_error = -100,
    invalid_character = -101,
    syntax_error = -102,
    invalid_separator = -103,
    data_type_error = -104,
    parameter_not_allowed = -108,
    missing_parameter = -109,
    mnemonic_too_long = -112,
    undefined_header = -113,
    header_suffix_out_of_range = -114,
    invalid_character_in_number = -121,
    exponent_too_large = -123,
    too_many_digits = -124,
    invalid_suffix = -131,
    suffix_too_long = -134,
    suffix_not_allowed = -138,
    invalid_character_data = -141,
    character_data_too_long = -144,
    character_data_not_allowed = -148,
    invalid_string_data = -151,
    string_data_not_allowed = -158,
    block_data_not_allowed = -168,
    execution_error = -200,
    init_ignored = -213,
    settings_conflict = -221,
    data_out_of_range = -222,
    too_much_data = -223,
    illegal_parameter_value = -224,
    data_stale = -230,
    hardware_missing = -241,
    mass_storage_error = -250,
    file_name_not_found = -256,
    file_name_error = -257,
    device_specific_error = -300,
    self_test_failed = -330,
    queue_overflow = -350,
    query_error = -400,
};

// The standard's text of a code ("Undefined header").
std::string_view error_text(ErrorCode code);

// One entry of an error queue: a code and, after the standard's text, what
// went wrong in our own words.
struct ScpiError {
    ErrorCode code = ErrorCode::none;
    std::string detail;

    // As SYSTem:ERRor? answers it: -222,"Data out of range;INT = 600 ...".
    std::string response() const;
};

// The class of an error, for the standard event status register.
enum class ErrorClass { command, execution, device, query, none };
ErrorClass error_class(ErrorCode code);

// A string as SCPI quotes it: in double quotes, an inner double quote doubled.
std::string quoted(std::string_view text);

} // namespace zqf::remote
