#pragma once

#include "core/state/devices.h"
#include "core/state/shared_state.h"

#include <cstdint>
#include <span>
#include <variant>

namespace zqf {

// One term of a register word: a shared-state member times a factor, or a
// constant. The factor moves a value (raw code or pre-weighted bit) to its
// position in this family's word.
using FieldRef = std::variant<double SharedState::*, int32_t SharedState::*, int16_t SharedState::*,
                              std::monostate>;

// Which devices of a family a term belongs to.
enum class Only { family, zqf7340, zqf7350 };

struct Term {
    FieldRef field;
    double factor;
    Only only = Only::family;
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

// The map of register `index` for `family`, or nullptr when the family has no
// such register.
const RegisterMap* register_map(Family family, int index);

// The value of one term for the device (0 when the term is not the device's).
double term_value(const SharedState& state, const Term& term);

} // namespace zqf
