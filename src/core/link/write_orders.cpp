#include "core/link/write_orders.h"

#include "core/state/devices.h"

namespace zqf {

namespace {
constexpr std::array<int, 4> four_register_all{3, 2, 1, 0};
constexpr std::array<int, 5> five_register_all{4, 3, 2, 1, 0};
constexpr std::array<int, 4> dual_all{0, 1, 2, 3};
constexpr std::array<int, 8> dual_every{7, 6, 5, 4, 2, 1, 0, 3};
} // namespace

std::span<const int> send_all_order(std::string_view device_name) {
    switch (family_of(device_name)) {
    case Family::four_register:
        return four_register_all;
    case Family::five_register:
        return five_register_all;
    case Family::dual:
        return dual_all;
    case Family::none:
        break;
    }
    return {};
}

std::span<const int> send_every_order(std::string_view device_name) {
    if (is_dual(device_name)) {
        return dual_every;
    }
    return {};
}

} // namespace zqf
