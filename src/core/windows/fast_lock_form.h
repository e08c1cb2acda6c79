#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// The fast-lock timer: a count of PFD cycles, the interval it lasts at the
// current PFD, and the count loaded into the chip through the modulus field.
class FastLockForm final : public Form {
  public:
    explicit FastLockForm(Program& program);

    void load() override;

  private:
    void Text1_Change();
    void Command3_Click();
    void show_interval();

    Program& program_;
};

} // namespace zqf
