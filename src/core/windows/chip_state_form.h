#pragma once

#include "core/ui/form.h"
#include "core/windows/chip_report.h"

namespace zqf {

class Program;

// What the chip holds, beside the panel: the words written, split into their
// fields, what they set the chip to, and where the panel has moved on since.
class ChipStateForm final : public Form {
  public:
    explicit ChipStateForm(Program& program);

    // Worked out afresh from the words the chip holds and the panel's fields.
    ChipReport report() const;

  private:
    Program& program_;
};

} // namespace zqf
