#include "remote/scpi_error.h"

#include <utility>

namespace zqf::remote {

namespace {

constexpr std::pair<ErrorCode, std::string_view> error_texts[] = {
    {ErrorCode::none, "No error"},
    {ErrorCode::command_error, "Command error"},
    {ErrorCode::invalid_character, "Invalid character"},
    {ErrorCode::syntax_error, "Syntax error"},
    {ErrorCode::invalid_separator, "Invalid separator"},
    {ErrorCode::data_type_error, "Data type error"},
    {ErrorCode::parameter_not_allowed, "Parameter not allowed"},
    {ErrorCode::missing_parameter, "Missing parameter"},
    {ErrorCode::mnemonic_too_long, "Program mnemonic too long"},
    {ErrorCode::undefined_header, "Undefined header"},
    {ErrorCode::header_suffix_out_of_range, "Header suffix out of range"},
    {ErrorCode::invalid_character_in_number, "Invalid character in number"},
    {ErrorCode::exponent_too_large, "Exponent too large"},
    {ErrorCode::too_many_digits, "Too many digits"},
    {ErrorCode::invalid_suffix, "Invalid suffix"},
    {ErrorCode::suffix_too_long, "Suffix too long"},
    {ErrorCode::suffix_not_allowed, "Suffix not allowed"},
    {ErrorCode::invalid_character_data, "Invalid character data"},
    {ErrorCode::character_data_too_long, "Character data too long"},
    {ErrorCode::character_data_not_allowed, "Character data not allowed"},
    {ErrorCode::invalid_string_data, "Invalid string data"},
    {ErrorCode::string_data_not_allowed, "String data not allowed"},
    {ErrorCode::block_data_not_allowed, "Block data not allowed"},
    {ErrorCode::execution_error, "Execution error"},
    {ErrorCode::init_ignored, "Init ignored"},
    {ErrorCode::settings_conflict, "Settings conflict"},
    {ErrorCode::data_out_of_range, "Data out of range"},
    {ErrorCode::too_much_data, "Too much data"},
    {ErrorCode::illegal_parameter_value, "Illegal parameter value"},
    {ErrorCode::data_stale, "Data corrupt or stale"},
    {ErrorCode::hardware_missing, "Hardware missing"},
    {ErrorCode::mass_storage_error, "Mass storage error"},
    {ErrorCode::file_name_not_found, "File name not found"},
    {ErrorCode::file_name_error, "File name error"},
    {ErrorCode::device_specific_error, "Device-specific error"},
    {ErrorCode::self_test_failed, "Self-test failed"},
    {ErrorCode::queue_overflow, "Queue overflow"},
    {ErrorCode::query_error, "Query error"},
};

} // namespace

std::string_view error_text(ErrorCode code) {
    for (const auto& [known, text] : error_texts) {
        if (known == code) {
            return text;
        }
    }
    return "Error";
}

std::string ScpiError::response() const {
    std::string text(error_text(code));
    if (!detail.empty()) {
        text += ';';
        text += detail;
    }
    return std::to_string(static_cast<int>(code)) + "," + quoted(text);
}

ErrorClass error_class(ErrorCode code) {
    const int number = static_cast<int>(code);
    if (number <= -100 && number > -200) {
        return ErrorClass::command;
    }
    if (number <= -200 && number > -300) {
        return ErrorClass::execution;
    }
    if ((number <= -300 && number > -400) || number > 0) {
        return ErrorClass::device;
    }
    if (number <= -400 && number > -500) {
        return ErrorClass::query;
    }
    return ErrorClass::none;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

} // namespace zqf::remote
