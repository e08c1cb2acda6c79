#pragma once

#include "core/ui/control_name.h"
#include "core/windows/panel_steps.h"

namespace zqf {

class MainForm;
class Program;

// The panel's update indicators: which registers still have to be written,
// and the group writes behind them.
class UpdateIndicators {
  public:
    // Creates the indicators on the panel.
    UpdateIndicators(MainForm& panel, Program& program);

  private:
    void register_indicator_click(int index);
    void r6_indicator_click();
    void rf_set_indicator_click();
    void if_set_indicator_click();
    void all_indicator_click();
    void sync_all_indicator();
    void sync_rf_indicator();
    void sync_if_indicator();
    bool off(ControlName<ToggleSwitch> indicator) const;
    void switch_off(ControlName<ToggleSwitch> indicator);

    MainForm& panel_;
    Program& program_;
};

// The indicator a step lights; none (an empty name) for the steps that light none.
ControlName<ToggleSwitch> indicator_of(Step step);

} // namespace zqf
