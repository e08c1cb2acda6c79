#pragma once

#include "core/ui/form.h"

namespace zqf {

class Program;

// Notes on how the program writes the chip.
class HelpForm final : public Form {
  public:
    explicit HelpForm(Program& program);
};

// Version and date of the program.
class AboutForm final : public Form {
  public:
    explicit AboutForm(Program& program);
};

} // namespace zqf
