#pragma once

#include "core/state/devices.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace zqf {

// What a main-panel handler does after it has stored its field, in order: a
// refresh of the read-outs, a write of every register, or an update indicator
// to light (R0 to R6, "All RF", "All IF", "All").
enum class Step : uint8_t { refresh, send_all, r0, r1, r2, r3, r4, r5, r6, all_rf, all_if, all };

// A short, fixed list of steps, written as a table cell: {Step::refresh, Step::r2}.
class Steps {
  public:
    constexpr Steps() = default;
    constexpr Steps(std::initializer_list<Step> steps) {
        for (const Step step : steps) {
            items_.at(count_++) = step;
        }
    }

    constexpr const Step* begin() const { return items_.data(); }
    constexpr const Step* end() const { return items_.data() + count_; }
    constexpr std::size_t size() const { return count_; }

  private:
    std::array<Step, 6> items_{};
    std::size_t count_ = 0;
};

// One entry per family, in the column order of the panel's tables: dual,
// 4-register, 5-register. A name outside the catalogue gets T{}.
template <typename T> struct PerFamily {
    T dual;
    T four;
    T five;

    constexpr T of(Family family) const {
        switch (family) {
        case Family::dual:
            return dual;
        case Family::four_register:
            return four;
        case Family::five_register:
            return five;
        case Family::none:
            break;
        }
        return T{};
    }
};

// The entries of a table row, in the tables' column order.
template <typename T> constexpr PerFamily<T> by_family(T dual, T four, T five) {
    return {dual, four, five};
}

// The same entry for every family.
template <typename T> constexpr PerFamily<T> every_family(T value) {
    return {value, value, value};
}

} // namespace zqf
