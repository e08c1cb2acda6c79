#pragma once

#include "cli/outcome.h"
#include "core/state/devices.h"

#include <string>
#include <string_view>

namespace zqf::cli {

// The start-window entry of a device named on the command line: its caption
// (ZQF7310 ... ZQF7620, ZQF7610 included), in any letter case.
Outcome<const DeviceEntry*> device_named(std::string_view name);

// The entry a stored device name is confirmed with: the one whose caption is
// the stored name (so the dual family starts as ZQF7620); nullptr for a name
// outside the catalogue.
const DeviceEntry* entry_of_stored_name(std::string_view stored_name);

// The device name a settings file holds, read by the settings reader that
// File > Get Settings uses; empty when the file cannot be read as one (the
// load then says why).
std::string settings_device_name(const std::string& path);

} // namespace zqf::cli
