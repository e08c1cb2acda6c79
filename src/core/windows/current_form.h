#pragma once

#include "core/registers/register_maps.h"
#include "core/ui/form.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

class Program;

// How the positions of a current window are labelled for a resistor R.
enum class CurrentLabels {
    // I(k) = 5 (k + 1) / (divisor R) x reference, each "#0.0000".
    steps,
    // The base I0 = 5 / (divisor R) x reference as "#0.0000", then the plain
    // texts of 3, 5 and 7 times that rounded base.
    odd_multiples,
};

// What sets one charge-pump current window apart from the others.
struct CurrentWindow {
    std::string_view name;
    std::string_view caption;
    std::string_view resistor_name;    // the frame around the entry, and the name before it
    std::string_view resistor_hint;    // Label1
    std::string_view selector_caption; // Label3
    std::string_view update_caption;   // Command3
    std::string_view close_caption;    // Command2
    int positions;
    double reference_ohms;
    double divisor;
    CurrentLabels labels;
    FieldRef field;
    double field_step;   // the field's value at position 1; position k stores k times it
    bool cp_half_switch; // Toggle1 ("CP Normal" / "CP /2") halves the current through cp_div2
    RegisterWrites (*writes)(const DeviceProfile& device);
};

// A window that sets one charge-pump current: a rotary selector with the
// current of each position for the board's current-setting resistor, the
// resistor entry (shared by all current windows), and the update button that
// stores both and writes the register. A change takes effect only there.
class CurrentForm : public Form {
  public:
    CurrentForm(Program& program, const CurrentWindow& window);

    // Shows the stored resistor, position and (where it has one) the CP /2
    // state, and labels the positions for them.
    void load() override;

  private:
    void Command3_Click();
    bool halved() const;
    void show_labels(const std::vector<std::string>& labels);

    Program& program_;
    const CurrentWindow& window_;
};

// The IF current of the dual devices (R6).
class Current1Form final : public CurrentForm {
  public:
    explicit Current1Form(Program& program);
};

// The RF current of the dual devices (R2).
class Current2Form final : public CurrentForm {
  public:
    explicit Current2Form(Program& program);
};

// The current of the 4-register devices, with its CP /2 switch.
class CurrentForm7310 final : public CurrentForm {
  public:
    explicit CurrentForm7310(Program& program);
};

// The current of the 5-register devices, in 16 steps.
class CurrentForm7340 final : public CurrentForm {
  public:
    explicit CurrentForm7340(Program& program);
};

} // namespace zqf
