#pragma once

#include "core/ui/form.h"
#include "core/windows/chip_report.h"

namespace zqf {

class Program;

// The chip state of the running program: the words the chip holds (see
// Program::chip_word) beside the panel's.
ChipReport chip_state(Program& program);

// What the chip holds, beside the panel: the words written, split into their
// fields, what they set the chip to, and where the panel has moved on since.
class ChipStateForm final : public Form {
  public:
    explicit ChipStateForm(Program& program);

    // Worked out afresh from the words the chip holds and the panel's fields,
    // with the models held still (ticks write from a thread of their own).
    ChipReport report() const;

  private:
    Program& program_;
};

} // namespace zqf
