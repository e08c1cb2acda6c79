#pragma once

#include "core/state/shared_state.h"

namespace zqf {

// The values the shared state holds when the start window loads; every member
// not named keeps its zero (or empty) value.
void apply_first_start_values(SharedState& state);

// The value the main window's load sets: the phase the phase box shows.
void apply_panel_load_values(SharedState& state);

// The fixed field values every device gets when the start window is confirmed.
void apply_confirmation_field_values(SharedState& state);

// What the device defaults did beyond the shared state: the window layer owns
// those effects and runs them afterwards.
enum class DefaultsFollowUp { none, preset_panel };

// The device defaults of state.device_name's profile (none for a name outside
// the catalogue). A row may also preset the main panel (prescaler list,
// refresh); that part belongs to the windows, which act on the follow-up.
DefaultsFollowUp apply_device_defaults(SharedState& state);

} // namespace zqf
