#pragma once

#include "core/registers/register_maps.h"
#include "core/ui/form.h"

#include <span>
#include <string>

namespace zqf {

// The lines that say where the members' fields sit on the device, one per
// term of its bit tables that adds a member ("R2 bit 6: RF phase-detector
// polarity: 1 = positive"), register by register; empty when the device's
// tables hold none of them.
std::string bits_tooltip(const DeviceProfile& device, std::span<const FieldRef> members);

// Gives each control of the main panel that sets register fields the lines of
// bits_tooltip for the device, after a tooltip of its own; and each read-out
// that opens a window the window's name. Run whenever the device is set up:
// the lines of the last device are replaced, not added to.
void set_panel_tooltips(Form& main, const DeviceProfile& device);

} // namespace zqf
