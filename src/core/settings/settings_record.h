#pragma once

#include "core/state/shared_state.h"

#include <string>
#include <variant>

namespace zqf {

// The items of a settings file that was read whole and found sound, each in
// the member it is stored into (settings_layout.h); every member the file
// does not hold is zero or empty.
struct SettingsFile {
    SharedState values;
};

// Why a settings file cannot be loaded.
struct SettingsRefusal {
    enum class Kind {
        unreadable,   // missing, a folder, a pipe, too large, refused by the system
        not_settings, // its first item is not the marker
        invalid,      // an item, or what loading would derive from the items, is unusable
    };
    Kind kind;
    std::string reason; // which line and why, without a final period
};

using SettingsRead = std::variant<SettingsFile, SettingsRefusal>;

} // namespace zqf
