#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// The lock-time hopper: the synthesizer jumps between two frequencies at every
// tick of its timer. The boxes are read at every tick, so an edit takes effect
// at the next one; the interval only at the next Start.
class LockTimeForm final : public Form {
  public:
    explicit LockTimeForm(Program& program);

    void load() override;
    // The main window's "Frequency Hop" door: the boxes show the last two
    // frequencies hopped between, or 1850 and 1860 before the first hop ever.
    void take_last_frequencies();

    // The close box cancels, as the Cancel button does.
    void close_box() override { Command2_Click(); }

  private:
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Timer1_Timer();
    void show_hops();

    Program& program_;
    long hops_ = 0;
};

} // namespace zqf
