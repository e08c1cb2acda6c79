#pragma once

#include "core/settings/settings_record.h"

#include <optional>
#include <string>

namespace zqf {

class MainForm;
class Program;

// Loads the settings file at `path` into the program as Get Settings does, and
// shows no message: the whole file is read and checked first (read_settings_file),
// then stored and applied by apply_settings. Needs the main panel, which the
// confirmed start window opens. Returns why the file was refused, in which
// case nothing has changed (no member, no control, no write); nothing when the
// settings were loaded.
std::optional<SettingsRefusal> load_settings(Program& program, const std::string& path);

// Loads settings that read_settings accepted for the program's present state,
// in the load's order: store every item and show the display texts; name the
// device in the Device label; choose the panel's list entries and noise mode
// from the file's values (each runs its handler as a choice of the user's
// would); recompute the RF output and IF VCO frequencies; set the panel up for
// the device; and finish as the device's profile says (write every register,
// or raise the update indicators, or nothing).
void apply_settings(Program& program, MainForm& main, const SettingsFile& file);

} // namespace zqf
