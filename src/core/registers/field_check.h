#pragma once

#include "core/registers/register_maps.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zqf {

// Where a device's map places a field: the register and its term.
struct FieldPlace {
    int index;
    const Term* term;
};

// The place of a field on the device; nothing when its map does not place it
// (MOD and FRAC on the ZQF7350, for example, or any field of a name outside
// the catalogue). Overlays and readings are not places.
std::optional<FieldPlace> find_field(const DeviceProfile& device, FieldId id);

// Where the device places the field, or where the first device that places it
// does: a value the device keeps for a field it has not (the IF counters of a
// single synthesizer) still takes only what the field takes. Nothing for the
// fixed-modulus device's FRAC and MOD, which hold its whole 25-bit fraction.
std::optional<FieldPlace> find_field_anywhere(const DeviceProfile& device, FieldId id);

// Where the first catalogue device that places the field places it, whatever
// device is chosen.
std::optional<FieldPlace> find_field_in_catalogue(FieldId id);

// What the term's member holds for `code`: code x 2^low / factor (a raw code
// itself, or a pre-weighted bit such as 8388608 for the fast-lock bit).
double member_value_of_code(const Term& term, double code);

// A value a field cannot carry.
struct FieldMisfit {
    FieldId id;
    double value; // as the member holds it
    BitRange bits;
    // What the member holds for code 1: 1 for a raw code, 2^k for a member
    // kept pre-weighted (the fast-lock bit held as 0 or 8388608).
    double unit = 1.0;
};

// The misfit of `value` in `term` on its own, or nothing when its code
// (value x factor / 2^low) is a whole number from 0 to 2^width - 1.
std::optional<FieldMisfit> check_term(const Term& term, double value);

// Whether `value`, as the field's member holds it, fits the field on this
// device (find_field_anywhere): its code (value x factor / 2^low) must be a
// whole number from 0 to 2^width - 1.
std::optional<FieldMisfit> check_field(const DeviceProfile& device, FieldId id, double value);

// The first of `ids` whose value in the shared state does not fit its field
// on state.device_name.
std::optional<FieldMisfit> check_stored_fields(const SharedState& state,
                                               std::span<const FieldId> ids);

// The first counter field of register `index` (FieldInfo::counter) whose
// value in the shared state does not fit.
std::optional<FieldMisfit> check_register_fields(const SharedState& state, int index);

// "MOD = 10000 does not fit its 12-bit field, which takes a whole number from
// 0 to 4095." followed by a blank and `advice`, which says what to change. A
// pre-weighted member names the values it may hold instead: "... its 1-bit
// field, which takes 0 or 8388608."
std::string misfit_text(const FieldMisfit& misfit, std::string_view advice = {});

} // namespace zqf
