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

// One entry per family, kept in the order of `families`. A name outside the
// catalogue gets T{}.
template <typename T> class PerFamily {
  public:
    constexpr PerFamily() = default;
    constexpr explicit PerFamily(const std::array<T, families.size()>& entries)
        : entries_(entries) {}

    constexpr T of(Family family) const {
        for (std::size_t i = 0; i < families.size(); ++i) {
            if (families[i] == family) {
                return entries_[i];
            }
        }
        return T{};
    }

  private:
    std::array<T, families.size()> entries_{};
};

// The entries of a table row, in the column order of the panel's tables:
// dual, 4-register, 5-register. A new family is a new parameter, so that no
// row can leave it out.
template <typename T> constexpr PerFamily<T> by_family(T dual, T four, T five) {
    static_assert(families ==
                  std::array{Family::four_register, Family::five_register, Family::dual});
    return PerFamily<T>({four, five, dual});
}

// The same entry for every family.
template <typename T> constexpr PerFamily<T> every_family(T value) {
    std::array<T, families.size()> entries{};
    entries.fill(value);
    return PerFamily<T>(entries);
}

} // namespace zqf
