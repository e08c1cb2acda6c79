#include "core/registers/field_check.h"

#include "core/registers/field_access.h"
#include "core/text/number_text.h"

#include <cmath>

namespace zqf {

namespace {

// The number of registers a family's map may hold.
constexpr int max_registers = 8;

bool code_fits(double code, const BitRange& bits) {
    return std::isfinite(code) && code == std::floor(code) && code >= 0.0 &&
           code <= bits.max_code();
}

} // namespace

double member_value_of_code(const Term& term, double code) {
    return code * bit_weight(term.bits.low) / term.factor;
}

std::optional<FieldMisfit> check_term(const Term& term, double value) {
    const double unit = member_value_of_code(term, 1.0);
    const double code = value / unit;
    if (code_fits(code, term.bits)) {
        return std::nullopt;
    }
    return FieldMisfit{term.id, value, term.bits, unit};
}

std::optional<FieldPlace> find_field(const DeviceProfile& device, FieldId id) {
    for (int index = 0; index < max_registers; ++index) {
        const RegisterMap* map = register_map(device.family, index);
        if (map == nullptr) {
            break;
        }
        std::optional<FieldPlace> place;
        for_each_term(*map, [&](const Term& term) {
            if (!place && term.id == id && term.placement == Placement::field &&
                term_applies(device, term)) {
                place = FieldPlace{index, &term};
            }
        });
        if (place) {
            return place;
        }
    }
    return std::nullopt;
}

std::optional<FieldPlace> find_field_anywhere(const DeviceProfile& device, FieldId id) {
    if (std::optional<FieldPlace> place = find_field(device, id)) {
        return place;
    }
    // No chip behind a name outside the catalogue; the fixed-modulus device
    // keeps its own fraction in FRAC and MOD.
    if (device.family == Family::none) {
        return std::nullopt;
    }
    if (device.fraction == FractionKind::fixed_25_bit &&
        (id == FieldId::frac || id == FieldId::mod)) {
        return std::nullopt;
    }
    return find_field_in_catalogue(id);
}

std::optional<FieldPlace> find_field_in_catalogue(FieldId id) {
    for (const DeviceProfile& device : catalogue_profiles()) {
        if (std::optional<FieldPlace> place = find_field(device, id)) {
            return place;
        }
    }
    return std::nullopt;
}

std::optional<FieldMisfit> check_field(const DeviceProfile& device, FieldId id, double value) {
    const std::optional<FieldPlace> place = find_field_anywhere(device, id);
    if (!place) {
        return std::nullopt;
    }
    return check_term(*place->term, value);
}

std::optional<FieldMisfit> check_stored_fields(const SharedState& state,
                                               std::span<const FieldId> ids) {
    const DeviceProfile& device = device_profile(state.device_name);
    for (const FieldId id : ids) {
        const std::optional<FieldPlace> place = find_field_anywhere(device, id);
        if (!place) {
            continue;
        }
        if (auto misfit = check_term(*place->term, field_value(state, place->term->member))) {
            return misfit;
        }
    }
    return std::nullopt;
}

std::optional<FieldMisfit> check_register_fields(const SharedState& state, int index) {
    const DeviceProfile& device = device_profile(state.device_name);
    const RegisterMap* map = register_map(device.family, index);
    if (map == nullptr) {
        return std::nullopt;
    }
    std::optional<FieldMisfit> first;
    for_each_term(*map, [&](const Term& term) {
        if (first || term.placement != Placement::field || !field_info(term.id).counter ||
            !term_applies(device, term)) {
            return;
        }
        first = check_term(term, field_value(state, term.member));
    });
    return first;
}

std::string misfit_text(const FieldMisfit& misfit, std::string_view advice) {
    std::string text = std::string(field_info(misfit.id).name) + " = " +
                       general_form(misfit.value) + " does not fit its " +
                       std::to_string(misfit.bits.width) + "-bit field, which takes ";
    if (misfit.unit == 1.0) {
        text += "a whole number from 0 to " + general_form(misfit.bits.max_code()) + ".";
    } else if (misfit.bits.width == 1) {
        text += "0 or " + general_form(misfit.unit) + ".";
    } else {
        text += "a multiple of " + general_form(misfit.unit) + " from 0 to " +
                general_form(misfit.unit * misfit.bits.max_code()) + ".";
    }
    if (!advice.empty()) {
        text += ' ';
        text += advice;
    }
    return text;
}

} // namespace zqf
