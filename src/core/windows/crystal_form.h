#pragma once

#include "core/ui/form.h"

#include <string_view>

namespace zqf {

class Program;

// The reference window: a new reference oscillator frequency, and the RF
// dividers planned again from it.
class CrystalForm final : public Form {
  public:
    explicit CrystalForm(Program& program);

    void load() override;

  private:
    void Command3_Click();
    void Command1_Click();
    // False when the entry could not be taken (the warning has been shown).
    bool load_now();
    void reject(std::string_view message);

    Program& program_;
};

} // namespace zqf
