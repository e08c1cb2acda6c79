#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// Where to turn when the PC has no working parallel port.
class CommsHelpForm final : public Form {
  public:
    explicit CommsHelpForm(Program& program);
};

} // namespace zqf
