#pragma once

#include "core/registers/field_ids.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/state/shared_state.h"

#include <array>
#include <cstdint>
#include <span>
#include <variant>

namespace zqf {

// A shared-state member of any width, or std::monostate for a constant.
using FieldRef = std::variant<double SharedState::*, int32_t SharedState::*, int16_t SharedState::*,
                              std::monostate>;

// The bits a field occupies in its word.
struct BitRange {
    int low = 0;
    int width = 0;

    constexpr int high() const { return low + width - 1; }
    constexpr bool contains(int bit) const { return bit >= low && bit <= high(); }
    // The largest code the bits hold, 2^width - 1.
    constexpr double max_code() const { return bit_weight(width) - 1.0; }
};

// Bits `high` down to `low`, as the datasheet tables write them ("22-14").
constexpr BitRange bits(int high, int low) {
    return {low, high - low + 1};
}
constexpr BitRange bit(int position) {
    return {position, 1};
}

enum class Placement {
    field,   // owns its bits
    overlay, // added on top of other fields' bits (noise-and-spur patterns, phase resync)
    reading, // no term of its own: another reading of a term's bits, for decoding only
};

// Which devices of a family a term belongs to, by the way they program the fraction.
enum class Variant { all, modulus_fraction, fixed_fraction };

// One row of a register map: the bits, the field, and the term the assembly
// adds for it, member x factor. The factor moves a value (raw code or
// pre-weighted bit) to its bits in this family's word.
struct Term {
    BitRange bits;
    FieldId id;
    FieldRef member;
    double factor;
    Placement placement = Placement::field;
    Variant variant = Variant::all;
};

// Terms that the program forms as a whole-number partial sum (of `bits` width)
// before it joins the word; such a sum overflows instead of carrying on.
struct IntegerSum {
    int bits;
    std::span<const Term> terms;
};

struct RegisterMap {
    std::span<const Term> terms;
    std::span<const IntegerSum> integer_sums;
};

// A family's registers: the map of each, R0 upwards, and how many bits of
// each register's word its display pair shows (0: none).
struct FamilyMaps {
    Family family;
    std::span<const RegisterMap> maps;
    std::array<int, register_slots> display_lengths;
};

// The family's maps; nullptr for Family::none.
const FamilyMaps* family_maps(Family family);

// The map of register `index` for `family`, or nullptr when the family has no
// such register.
const RegisterMap* register_map(Family family, int index);

// Calls `visit(term)` for every term of the map, partial sums included.
template <typename Visit> void for_each_term(const RegisterMap& map, Visit&& visit) {
    for (const Term& term : map.terms) {
        visit(term);
    }
    for (const IntegerSum& group : map.integer_sums) {
        for (const Term& term : group.terms) {
            visit(term);
        }
    }
}

// Whether the term belongs to the device (the family's map holds both variants).
bool term_applies(const DeviceProfile& device, const Term& term);

// The value the term adds to the word: 0 when it is not the device's or is a reading.
double term_value(const SharedState& state, const DeviceProfile& device, const Term& term);

} // namespace zqf
