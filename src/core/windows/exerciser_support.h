#pragma once

#include "core/tools/tick.h"

#include <optional>
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
// timer and beeps; a misfit also shows its warning. False for every other outcome.
bool stopped_by(Program& program, Timer& timer, const TickOutcome& outcome);

} // namespace zqf
