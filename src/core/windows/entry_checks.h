#pragma once

#include <string>
#include <string_view>

namespace zqf {

class Form;
struct SharedState;

// Why an entry's text cannot be used, as the box shows it while it is typed;
// empty when it can. Boxes that take a register field's value say so for a
// number the field cannot carry on the device (with the same words as the
// refusal when the value is stored); the rest say so for a text that is no
// number, or a rate that is no whole number of milliseconds. An empty box
// says nothing: it has not been typed into yet.
std::string entry_problem(const SharedState& state, std::string_view form, std::string_view box,
                          std::string_view text);

// Gives every text box of `form` that takes a number its check (see
// TextBox::problem). The checks read the device from `state` when they run.
void attach_entry_checks(Form& form, const SharedState& state);

} // namespace zqf
