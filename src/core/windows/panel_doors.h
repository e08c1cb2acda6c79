#pragma once

#include <functional>

namespace zqf {

class MainForm;
class Program;

// Where the panel's buttons, labels and menu entries lead. Every window
// opened from here is modal: the panel takes no input until it closes.
class PanelDoors {
  public:
    // Attaches the doors to the panel's controls.
    PanelDoors(MainForm& panel, Program& program);

    void open_rf_planner();
    void open_rf_test_modes();
    // The fast-lock timer window; `then` runs once it closes.
    void open_fast_lock(std::function<void()> then);

  private:
    // The lock-time hopper; "Frequency Hop" first puts the last frequencies hopped
    // between into its boxes, "Lock ~ Time" opens it as designed.
    void open_hopper(bool with_last_frequencies);
    void open_rf_current();
    template <typename F> void open_modal();
    void open_modal_help(bool about);

    MainForm& panel_;
    Program& program_;
};

} // namespace zqf
