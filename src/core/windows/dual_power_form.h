#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// Powerdown of the dual devices' RF section, IF section, or both: three
// frames of two option buttons, stored by Load Now.
class DualPowerForm final : public Form {
  public:
    explicit DualPowerForm(Program& program);

    // Chooses in each frame the button of the stored field (0 or 32).
    void load() override;

  private:
    void Command3_Click();
    void Command1_Click();

    Program& program_;
};

} // namespace zqf
