#pragma once

#include "platform/linux/usb_transport.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

// A board that shows `loader` ids is a bare chip waiting for its firmware; one
// that shows `firmware` ids is already running the adapter firmware.
enum class AdapterRole { loader, firmware };

struct AdapterId {
    UsbId id;
    AdapterRole role = AdapterRole::loader;

    friend bool operator==(const AdapterId&, const AdapterId&) = default;
};

// The ids the program knows without any configuration. The one place to add a
// board that everyone uses.
std::vector<AdapterId> builtin_adapter_ids();

// Ids read from the per-user file, and one message per line that was skipped.
struct AdapterIdConfig {
    std::vector<AdapterId> ids;
    std::vector<std::string> errors;
};

// Parses the per-user file: one id per line, "loader 04b4:8613" or
// "firmware 1234:abcd" (hex, as lsusb prints them); '#' starts a comment.
// Refused, each with its line: a malformed line, 0000:0000, and a firmware id
// that is also a loader id (built in or listed anywhere in the file).
AdapterIdConfig parse_adapter_ids(std::string_view text);

// The program's configuration folder: $XDG_CONFIG_HOME/zqfeval, else
// $HOME/.config/zqfeval; empty when neither variable is set. Arguments may be null.
std::filesystem::path config_folder(const char* xdg_config_home, const char* home);

// usb-adapter.conf in the configuration folder; empty when there is none.
std::filesystem::path adapter_config_path(const char* xdg_config_home, const char* home);

// The ids to look for: those of the user's file first (so they win), then the
// built-in ones. A missing file is normal; a bad line is reported and skipped.
std::vector<AdapterId> load_adapter_ids(const std::filesystem::path& config, std::ostream& log);

} // namespace zqf
