#pragma once

#include "core/registers/field_ids.h"
#include "core/registers/register_maps.h"
#include "core/windows/panel_steps.h"

#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace zqf {

class MainForm;
class PanelDoors;
class Program;

// A switch that sets a field's code when on: the member and the value it
// holds come from where the bit table places the field.
struct FieldCode {
    FieldId id;
    double code = 1.0;
};

// A member and the value it holds when the switch is on, for a switch whose
// value the bit table cannot give.
struct MemberValue {
    FieldRef member;
    double value;
};

// A switch stores its value when on and 0 when off, then runs the steps of
// the device's family. A switch without a field only runs its steps.
struct SwitchRow {
    std::string_view name;
    std::string_view caption_off;
    std::string_view caption_on;
    std::variant<std::monostate, FieldCode, MemberValue> field;
    PerFamily<Steps> steps;
};

std::span<const SwitchRow> switch_rows();

// The member the switch sets and the value it holds when on; nothing for a
// switch without a field.
std::optional<MemberValue> member_value(const SwitchRow& row);

// The panel's two-state setting switches: each stores its field, then runs
// the steps of the device's family.
class PanelSwitches {
  public:
    // Creates the switches on the panel.
    PanelSwitches(MainForm& panel, Program& program, PanelDoors& doors);

  private:
    void switch_clicked(std::string_view name);
    void Toggle14_Click();
    void Toggle36_Click();
    void Toggle32_Click();
    void Toggle32_finish();

    MainForm& panel_;
    Program& program_;
    PanelDoors& doors_;
};

} // namespace zqf
