#pragma once

#include "core/tools/tick.h"
#include "core/windows/planner_support.h"

#include <optional>
#include <span>
#include <string_view>

namespace zqf {

class Form;
class Program;
class Timer;

// How wide a whole number a window's rate box is converted to.
enum class RateWidth { bits16, bits32 };

// A timer rate typed in milliseconds, converted to a whole number of that
// width with halves to even. Nothing for an entry that is no number, does not
// fit the width or comes to less than 1 ms.
std::optional<int> timer_rate(const Form& form, std::string_view text_box, RateWidth width);

// A Start or a tick that cannot use its entries: the timer goes off (also when
// it was running) and the user hears a beep; nothing else happens.
void stop_with_beep(Program& program, Timer& timer);

// A step that met a fault or a divider value its field cannot carry stops the
// timer and beeps; a misfit also shows the warning that names the field, with
// the advice of its row. False for every other outcome.
bool stopped_by(Program& program, Timer& timer, const TickOutcome& outcome,
                std::span<const FieldAdvice> advice);

// MOD and FRAC come from the channel step the RF planner set; INT from the
// frequencies each window takes, so each window words that row itself.
inline constexpr FieldAdvice mod_advice{
    FieldId::mod,
    "Plan a larger channel step in the RF planner: MOD is the PFD divided by the step.",
    "Plan a positive channel step in the RF planner."};
inline constexpr FieldAdvice frac_advice{FieldId::frac,
                                         "Plan a larger channel step in the RF planner.",
                                         "Plan a positive channel step in the RF planner."};

} // namespace zqf
