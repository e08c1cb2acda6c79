#pragma once

#include "core/settings/settings_record.h"
#include "core/state/shared_state.h"

#include <string>
#include <string_view>

namespace zqf {

// Reads a settings file's bytes and checks them against a program whose
// shared state is `now`: the items as parse_settings reads them, then what
// loading them would store and derive, as check_settings judges it. Touches
// no file and changes nothing; what it accepts, apply_settings can load
// without a step failing halfway.
SettingsRead read_settings(std::string_view bytes, const SharedState& now);

// The same for the file at `path`, which is read whole and bounded: a file
// that is missing, not a regular file (a folder, a pipe, a device) or larger
// than a settings file can be is refused without blocking on it.
SettingsRead read_settings_file(const std::string& path, const SharedState& now);

} // namespace zqf
