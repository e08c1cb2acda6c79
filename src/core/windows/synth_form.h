#pragma once

#include "core/ui/form.h"

#include <optional>
#include <string_view>

namespace zqf {

class Program;
struct SharedState;

// The RF frequency planner: from a wanted output frequency, the reference
// path and a channel step it plans PFD, INT, MOD and FRAC (or the ZQF7350's
// 25-bit fraction), shows them here and on the main window, checks the
// device's limits and writes the registers. Holds no state of its own: every
// button reads the entries afresh.
class SynthForm final : public Form {
  public:
    explicit SynthForm(Program& program);

    // Shows the current plan in the entries and sets the window up for the device.
    void load() override;

  private:
    // How a Normal-mode update ended.
    enum class Update {
        completed,
        limit_failed, // beyond the device's limits: stored and shown, not written
        unsound,      // computed, but off the grid, not fitting or without a fraction
        refused,      // an entry it cannot use or an arithmetic fault
    };

    void create_entries();
    void create_results();
    void create_buttons();
    void create_legend();

    // Normal and LCD mode, the reference switches.
    void Command3_Click();
    void Command8_Click();
    void Toggle1_Click();
    void Toggle2_Click();
    // The Normal-mode update; refused, it stores nothing.
    Update normal_update();
    Update plan_normal();
    // Reference, R, doubler and divide-by-2 into the state, and the PFD from
    // them; false on an entry that is no number or an arithmetic fault.
    bool take_reference_path();
    void show_plan();
    void show_fixed_modulus_plan();
    // The window's results after the LCD reduction; false when the PFD
    // leaves no ratio to show.
    bool show_reduced_plan();
    void reference_switch_flipped();
    // Whether the stored plan fits the device's divider fields; warns when not.
    bool plan_fits();
    // Whether the stored plan fits and makes sense: the step on the PFD's grid
    // where FRAC counts steps, MOD and R at least 1, FRAC below MOD. Warns
    // about the first that fails.
    bool plan_sound(bool counts_steps);

    // "Lock Time" and "reg 001": the typed PFD kept, R derived from it.
    void Command6_Click();
    void Command7_Click();
    void derive_r_from_pfd(int register_index);
    // Stores the plan from the typed PFD; false (after a beep or a warning)
    // when an entry or the plan cannot be used.
    bool plan_from_typed_pfd();

    // Channel stepping.
    void Command11_Click();
    void Command10_Click();
    void Command4_Click();
    void Command5_Click();
    void step_normal(double direction);
    void step_lcd(double direction);
    // The LCD step's plan, stored; false (after a beep or a warning) when it
    // cannot be used.
    bool plan_lcd_step(double direction);

    std::optional<double> entry(std::string_view text_box) const;
    std::optional<double> scaled(std::string_view text_box, double factor) const;
    // A step that met an entry it cannot use ends with a beep.
    void refuse();
    void set_text(std::string_view text_box, std::string text);
    void set_caption(std::string_view label, std::string text);
    bool has_fixed_modulus() const;
    SharedState& state() const;

    Program& program_;
};

} // namespace zqf
