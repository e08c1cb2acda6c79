#pragma once

#include <span>
#include <string_view>

namespace zqf {

// What a planner writes once its plan stands: a refresh of the read-outs, then
// either every register of the device or the listed ones in order.
struct PlanWrites {
    bool refresh = false;
    bool send_all = false;
    std::span<const int> order;
};

// After the Normal-mode update and its limit checks.
PlanWrites normal_update_writes(std::string_view device_name);
// After the LCD-mode reduction, in the update and in the LCD channel steps.
PlanWrites lcd_update_writes(std::string_view device_name);
// After the reference window takes a new reference frequency.
PlanWrites reference_writes(std::string_view device_name);

} // namespace zqf
