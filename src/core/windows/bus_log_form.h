#pragma once

#include "core/link/bus_log.h"
#include "core/ui/form.h"

namespace zqf {

class Program;

// The bus log beside the panel: every word handed to the link, newest at the
// bottom, with what the platform made of it. It stays open while the panel is
// used; the view reads the log itself and copies rows as text.
class BusLogForm final : public Form {
  public:
    explicit BusLogForm(Program& program);

    const BusLog& log() const;

  private:
    Program& program_;
};

} // namespace zqf
