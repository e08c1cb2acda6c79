#pragma once

#include "core/state/shared_state.h"

#include <string>

namespace zqf {

// The settings file of the state: the marker and the 63 items, each on a line
// of its own ended by CR LF. Texts stand as they are; whole numbers and reals
// in the print form (" 51200 ", "-3 ", " .5 ", " 1E+15 "). Nothing is computed
// for the file: every item is the member's current value.
std::string render_settings(const SharedState& state);

// Replaces `path` with the state's settings, atomically: the file is either
// as it was or complete. Returns an empty text on success, otherwise the
// reason, naming the file.
std::string save_settings(const SharedState& state, const std::string& path);

} // namespace zqf
