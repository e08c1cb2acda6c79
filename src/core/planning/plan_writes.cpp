#include "core/planning/plan_writes.h"

#include <array>

namespace zqf {

namespace {

struct WritesRow {
    std::string_view device;
    PlanWrites writes;
};

constexpr std::array<int, 3> r2_r1_r0{2, 1, 0};
constexpr std::array<int, 4> r2_r1_r0_r3{2, 1, 0, 3};
constexpr std::array<int, 2> r1_r0{1, 0};

constexpr PlanWrites refresh_only{true, false, {}};
constexpr PlanWrites refresh_send_all{true, true, {}};

// A device not listed (one read from a settings file, say) gets its plan
// stored and shown, and nothing written.
constexpr WritesRow normal_rows[] = {
    {"ZQF7310", {true, false, r2_r1_r0}},    {"ZQF7320", {true, false, r2_r1_r0}},
    {"ZQF7340", {true, false, r2_r1_r0}},    {"ZQF7350", {true, false, r2_r1_r0}},
    {"ZQF7620", {true, false, r2_r1_r0_r3}},
};

// The ZQF7350 has no LCD mode: its modulus is fixed.
constexpr WritesRow lcd_rows[] = {
    {"ZQF7310", refresh_send_all},
    {"ZQF7320", refresh_send_all},
    {"ZQF7340", refresh_send_all},
    {"ZQF7620", {true, false, r1_r0}},
};

constexpr WritesRow reference_rows[] = {
    {"ZQF7310", refresh_send_all},
    {"ZQF7320", refresh_send_all},
    {"ZQF7620", refresh_only},
};

template <std::size_t N>
PlanWrites writes_for(const WritesRow (&rows)[N], std::string_view device_name) {
    for (const WritesRow& row : rows) {
        if (row.device == device_name) {
            return row.writes;
        }
    }
    return {};
}

} // namespace

PlanWrites normal_update_writes(std::string_view device_name) {
    return writes_for(normal_rows, device_name);
}

PlanWrites lcd_update_writes(std::string_view device_name) {
    return writes_for(lcd_rows, device_name);
}

PlanWrites reference_writes(std::string_view device_name) {
    return writes_for(reference_rows, device_name);
}

} // namespace zqf
