#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// The frequency sweep: from a start frequency up to a stop frequency, writing
// the dividers at every tick of its timer. Only Start reads the boxes; each
// tick writes the running frequency back into the start box, so a new Start
// goes on from there.
class SweepForm final : public Form {
  public:
    explicit SweepForm(Program& program);

    // The close box cancels, as the Cancel button does.
    void close_box() override { Command2_Click(); }

  private:
    void Command3_Click();
    void Command4_Click();
    void Command2_Click();
    void Timer1_Timer();

    Program& program_;
};

} // namespace zqf
