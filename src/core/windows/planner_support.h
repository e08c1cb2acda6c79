#pragma once

#include "core/registers/field_check.h"
#include "core/state/shared_state.h"
#include "core/ui/control_name.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zqf {

class Form;
class Program;
struct RegisterWrites;

// What a planner's update may have changed before it is refused: the shared
// state and the main panel's plan read-outs. Put back, the refused update has
// stored nothing (the planner's own boxes may keep what was typed).
class PlanUndo {
  public:
    explicit PlanUndo(Program& program);
    void restore() const;

  private:
    Program& program_;
    SharedState state_;
    std::vector<std::pair<ControlName<CaptionControl>, std::string>> readouts_;
};

// Beeps and shows `reason` (the planners' warning box) when there is one;
// true when there is none.
bool no_objection(Program& program, const std::optional<std::string>& reason);

// Runs a planner's refresh and register writes, in that order.
void carry_out(Program& program, const RegisterWrites& writes);

// What a window tells the user to change when a value it computed does not
// fit its field: one text for a value too large, one for a negative value.
struct FieldAdvice {
    FieldId id;
    std::string_view too_large;
    std::string_view negative;
};

// Checks the stored values of `fields` on the device. A value that does not
// fit is a limit failure: a beep and the warning naming the field, its value,
// its range and the advice of its row. Returns true when everything fits.
bool fields_fit(Program& program, std::span<const FieldId> fields,
                std::span<const FieldAdvice> advice);

// The same beep and warning for a misfit found elsewhere (in a value not yet stored).
void warn_misfit(Program& program, const FieldMisfit& misfit, std::span<const FieldAdvice> advice);

// Shows a text in a read-out of the main window.
void show_on_main(Program& program, ControlName<CaptionControl> control, std::string text);

// The planners' warning box: exclamation icon, the program's title, OK.
void warn(Program& program, std::string_view text);

// An entry of the form read as a number; nothing when it is none.
std::optional<double> entry_value(const Form& form, std::string_view text_box);

// An entry times a unit factor (MHz or kHz to Hz); nothing when the entry is no
// number or the product is beyond a real.
std::optional<double> scaled_entry(const Form& form, std::string_view text_box, double factor);

} // namespace zqf
