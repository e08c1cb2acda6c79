#pragma once

#include <string_view>

namespace zqf {

class MainForm;
class PanelDoors;
class Program;

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
