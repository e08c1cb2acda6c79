#pragma once

#include "cli/outcome.h"
#include "core/windows/program.h"

#include <string>
#include <string_view>

namespace zqf::cli {

// Windows and controls as a script names them: FORM, FORM.CONTROL,
// FORM.CONTROL.PROPERTY, FORM.focus and FORM.caption.

// What `print` shows of any open window, even one below a modal window: a
// control's property (its default property when none is named), the name of
// the control that has the window's focus, or the window's title.
Outcome<std::string> read_window(const Program& program, std::string_view name);

// A window the user can act on: open, shown and not below a modal window.
Outcome<Form*> reachable_form(const Program& program, std::string_view name);

// A control the user can act on: in a reachable window, and its own `visible`
// and `enabled` are on.
Outcome<Control*> reachable_control(const Program& program, std::string_view name);

} // namespace zqf::cli
