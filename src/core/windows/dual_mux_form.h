#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// Direct entry of the RF dividers (R, INT, FRAC, MOD), past the planner:
// Load Now stores them and writes R1 and R0, on any device.
class DualMuxForm final : public Form {
  public:
    explicit DualMuxForm(Program& program);

  private:
    void Command3_Click();
    void Command1_Click();
    // False (after a beep, and a warning for a field that cannot carry its
    // value) when an entry is refused; nothing is stored then.
    bool load_now();

    Program& program_;
};

} // namespace zqf
