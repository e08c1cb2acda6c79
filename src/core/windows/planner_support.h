#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zqf {

class Form;
class Program;
struct PlanWrites;

// Runs a planner's refresh and register writes, in that order.
void carry_out(Program& program, const PlanWrites& writes);

// Shows a text in a read-out of the main window.
void show_on_main(Program& program, std::string_view control, std::string text);

// The planners' warning box: exclamation icon, the program's title, OK.
void warn(Program& program, std::string_view text);

// An entry of the form read as a number; nothing when it is none.
std::optional<double> entry_value(const Form& form, std::string_view text_box);

// An entry times a unit factor (MHz or kHz to Hz); nothing when the entry is no
// number or the product is beyond a real.
std::optional<double> scaled_entry(const Form& form, std::string_view text_box, double factor);

} // namespace zqf
