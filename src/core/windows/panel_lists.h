#pragma once

#include <string_view>

namespace zqf {

class MainForm;
class PanelDoors;
class Program;
struct SharedState;

// The panel's drop-down lists and numeric text entries: each list stores its
// choice, then refreshes and lights what it changed.
class PanelLists {
  public:
    // Creates the lists and the entries on the panel.
    PanelLists(MainForm& panel, Program& program, PanelDoors& doors);

  private:
    void list_chosen(std::string_view name);
    // False (after a beep) when the IF plan gives no usable counters.
    bool set_if_counters();
    // The IF prescaler list's entry for the prescaler the state holds, or -1.
    static int if_prescaler_position(const SharedState& state);
    void clock_divider_changed();
    void Picture1_DblClick();

    MainForm& panel_;
    Program& program_;
    PanelDoors& doors_;
};

} // namespace zqf
