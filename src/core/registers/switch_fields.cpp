#include "core/registers/switch_fields.h"

#include "core/registers/field_check.h"
#include "core/state/bit_weight.h"
#include "core/state/stored_values.h"

namespace zqf {

namespace {

using S = SharedState;
using F = FieldId;
constexpr auto p2 = bit_weight<double>;

constexpr SwitchField switch_table[] = {
    {"Toggle1", FieldCode{F::pd_polarity}},
    {"Toggle2", FieldCode{F::if_pd_polarity}},
    {"Toggle3", FieldCode{F::if_counter_reset}},
    {"Toggle4", FieldCode{F::cp_gain}},
    {"Toggle5", FieldCode{F::cp_three_state}},
    {"Toggle6", FieldCode{F::if_cp_three_state}},
    {"Toggle7", FieldCode{F::shared_counter_reset}},
    {"Toggle8", FieldCode{F::shared_cp_three_state}},
    {"Toggle9", FieldCode{F::counter_reset}},
    {"Toggle10", FieldCode{F::xo_disable}},
    {"Toggle15", FieldCode{F::powerdown}},
    // The four-register bit on every device: the five-register family keeps
    // its own fast-lock bit elsewhere, which the fast-lock switch sets.
    {"Toggle16", MemberValue{&S::fastlock_4r, p2(23)}},
    // No register places the bleed bit; its member is kept pre-weighted.
    {"Toggle17", MemberValue{&S::bleed_up, p2(23)}},
    {"Toggle27", FieldCode{F::if_ldp}},
    // An overlay on other fields' bits, not a field of its own.
    {"Toggle28", MemberValue{&S::rf_phase_resync, phase_resync_on}},
    {"Toggle31", FieldCode{F::ldp}},
    {"Toggle33", FieldCode{F::rf_if_powerdown}},
    {"Toggle34", FieldCode{F::if_powerdown}},
    {"dec_sel_toggle", FieldCode{F::dec_sel}},
};

} // namespace

std::span<const SwitchField> switch_fields() {
    return switch_table;
}

const SwitchField* switch_field(std::string_view control) {
    for (const SwitchField& row : switch_table) {
        if (row.control == control) {
            return &row;
        }
    }
    return nullptr;
}

std::optional<MemberValue> member_value(const SwitchField& row) {
    if (const auto* given = std::get_if<MemberValue>(&row.given)) {
        return *given;
    }
    const FieldCode& code = std::get<FieldCode>(row.given);
    // The same member and value on every device, whether it places the field or not.
    const std::optional<FieldPlace> place = find_field_in_catalogue(code.id);
    if (!place) {
        return std::nullopt;
    }
    return MemberValue{place->term->member, member_value_of_code(*place->term, code.code)};
}

} // namespace zqf
