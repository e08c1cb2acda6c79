#pragma once

#include "core/link/bus_log.h"
#include "core/ui/form.h"

#include <cstdint>
#include <vector>

namespace zqf {

class Program;

// What a view of the bus log takes at a time: the number of the oldest row
// the log keeps (the next row's when it keeps none), and the rows it asked for.
struct BusLogCopy {
    uint64_t first = 0;
    std::vector<BusLogRow> rows;
};

// The bus log beside the panel: every word handed to the link, newest at the
// bottom, with what the platform made of it. It stays open while the panel is
// used; the view follows the log from a copy of its own and copies rows as text.
class BusLogForm final : public Form {
  public:
    explicit BusLogForm(Program& program);

    // The rows numbered above `number`, copied with the models held still
    // (ticks write the log from a thread of their own).
    BusLogCopy copy_after(uint64_t number) const;

  private:
    Program& program_;
};

} // namespace zqf
