#pragma once

#include "core/registers/register_maps.h"

#include <optional>
#include <string>
#include <vector>

namespace zqf {

// Evenly spaced values: low, low + unit, ... up to high.
struct ValueSpan {
    double low;
    double high;
    double unit;
};

// What a member of the shared state may hold on a device: the codes its
// field carries, narrowed to what the panel's lists, switches and windows
// store where they store less than the field could carry.
struct Domain {
    std::vector<ValueSpan> spans;

    bool contains(double value) const;
    // "0 or 128", "0, 896 or 964", "a whole number from 0 to 511",
    // "a multiple of 2048 from 0 to 63488".
    std::string text() const;
};

// The domain of `member` on the device; nothing for a member that holds any
// number its type takes (a frequency, the IF N kept beside B and A). A member
// the device's map does not place takes what it takes where a family places it.
std::optional<Domain> member_domain(const DeviceProfile& device, const FieldRef& member);

// A divider whose value fits its field but makes no sense with the others.
struct SenseFault {
    FieldId id;
    std::string text; // names the field, its value and what it takes
};

// The fields whose sense depends on others: a modulus of at least 1, a
// fraction below it, reference dividers of at least 1 (a read-out divides by
// them). The first that fails; nothing when all make sense.
std::optional<SenseFault> divider_sense(const SharedState& state);

} // namespace zqf
