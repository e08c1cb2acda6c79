#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zqf {

// The remembered link choice: one line, "par" or "usb", ended by CR LF.
inline constexpr std::string_view link_choice_file_name = "comms_option.txt";

// The first field of the file, or nothing when it is missing, unreadable or empty.
std::optional<std::string> read_link_choice(const std::string& path);

// Writes the link text followed by CR LF; false when the file could not be written.
bool write_link_choice(const std::string& path, std::string_view link);

} // namespace zqf
