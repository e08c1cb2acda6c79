#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// The spurious-optimisation sweep: the phase word steps from the value in its
// box up to MOD - 1, one step per tick, written each time, so the setting with
// the lowest spurs can be picked on a spectrum analyser. On exit the phase
// found goes to the main window's phase box.
class SpurOptForm final : public Form {
  public:
    explicit SpurOptForm(Program& program);

    void load() override;
    // The close box leaves as Exit does, so the main window shows the phase the
    // chip was last given.
    void close_box() override { Command3_Click(); }

  private:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command3_Click();
    void Timer1_Timer();
    void step(double direction);
    void show_progress();

    Program& program_;
};

} // namespace zqf
