#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zqf {

// The remembered link choice: one line, "par" or "usb", ended by CR LF.
inline constexpr std::string_view link_choice_file_name = "comms_option.txt";

// What reading the file gave: its first field, or nothing when it is missing,
// unreadable or empty. `note` says why a file that is there could not be used
// (a pipe, a device, too large ...); it is empty for a missing file.
struct LinkChoiceRead {
    std::optional<std::string> link;
    std::string note;
};
LinkChoiceRead read_link_choice(const std::string& path);

// The first field of the file's content, read in the list-input manner.
std::optional<std::string> link_choice_from_text(std::string content);

// Writes the link text followed by CR LF, atomically. Returns an empty text on
// success, otherwise the reason.
std::string write_link_choice(const std::string& path, std::string_view link);

} // namespace zqf
