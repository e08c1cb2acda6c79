#include "core/registers/member_domain.h"

#include "core/registers/field_access.h"
#include "core/registers/field_check.h"
#include "core/state/list_choices.h"
#include "core/state/noise_patterns.h"
#include "core/state/stored_values.h"
#include "core/text/number_text.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace zqf {

namespace {

using S = SharedState;

ValueSpan single(double value) {
    return {value, value, 1.0};
}

// The codes of a field term as its member holds them.
ValueSpan field_span(const Term& term) {
    const double unit = bit_weight(term.bits.low) / term.factor;
    return {0.0, unit * term.bits.max_code(), unit};
}

bool span_holds(const ValueSpan& span, double value) {
    if (!(value >= span.low && value <= span.high)) {
        return false;
    }
    const double steps = (value - span.low) / span.unit;
    return steps == std::floor(steps);
}

// The field term that places the member on the device, or nullptr.
const Term* placing_term(const DeviceProfile& device, const FieldRef& member) {
    for (int index = 0; index < device.register_count; ++index) {
        const RegisterMap* map = register_map(device.family, index);
        if (map == nullptr) {
            continue;
        }
        const Term* found = nullptr;
        for_each_term(*map, [&](const Term& term) {
            if (found == nullptr && term.member == member && term.placement == Placement::field &&
                term_applies(device, term)) {
                found = &term;
            }
        });
        if (found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

// Where the device does not place the member: the first catalogue device that does.
const Term* term_anywhere(const DeviceProfile& device, const FieldRef& member) {
    if (const Term* term = placing_term(device, member)) {
        return term;
    }
    for (const DeviceProfile& other : catalogue_profiles()) {
        if (const Term* term = placing_term(other, member)) {
            return term;
        }
    }
    return nullptr;
}

// Each value a store function leaves in `member` for positions 0 to count - 1.
std::vector<ValueSpan> stored_by(const std::function<void(SharedState&, int)>& store,
                                 const FieldRef& member, int count) {
    std::vector<ValueSpan> spans;
    for (int position = 0; position < count; ++position) {
        SharedState scratch;
        store(scratch, position);
        spans.push_back(single(field_value(scratch, member)));
    }
    return spans;
}

// The values the panel stores into members whose field could carry more.
std::optional<Domain> stored_values(const DeviceProfile& device, const FieldRef& member) {
    Domain domain;
    if (member == FieldRef(&S::ns_bits_4r) || member == FieldRef(&S::ns_bits_dual) ||
        member == FieldRef(&S::ns_bits_5r)) {
        for (const NoisePattern& pattern : noise_patterns) {
            SharedState scratch;
            // The five-register pattern a mode leaves unchanged stays as it was: 0.
            store_noise_pattern(scratch, pattern);
            if (member != FieldRef(&S::ns_bits_5r) || pattern.ns_bits_5r) {
                domain.spans.push_back(single(field_value(scratch, member)));
            }
        }
        return domain;
    }
    if (member == FieldRef(&S::rf_phase_resync)) {
        return Domain{{single(0.0), single(phase_resync_on)}};
    }
    if (member == FieldRef(&S::dual_r2_spare)) {
        return Domain{{single(0.0)}};
    }
    if (member == FieldRef(&S::clk_div_mode)) {
        for (const int32_t mode : clock_divider_modes) {
            domain.spans.push_back(single(mode));
        }
        return domain;
    }
    if (member == FieldRef(&S::prescaler_p) || member == FieldRef(&S::prescaler_field) ||
        member == FieldRef(&S::prescaler_bit)) {
        return Domain{stored_by(choose_rf_prescaler, member, 2)};
    }
    if (member == FieldRef(&S::if_prescaler) || member == FieldRef(&S::if_prescaler_field)) {
        return Domain{stored_by(choose_if_prescaler, member, 4)};
    }
    if (member == FieldRef(&S::dual_muxout_index)) {
        return Domain{{{0.0, dual_muxout_codes - 1.0, 1.0}}};
    }
    if (member == FieldRef(&S::test_mode) || member == FieldRef(&S::if_test_mode)) {
        // The windows store mode x 2048 whatever the device; the lists store
        // their position where the field takes it.
        domain.spans.push_back(
            {0.0, (test_mode_window_modes - 1.0) * test_mode_window_unit, test_mode_window_unit});
        const Term* term = placing_term(device, member);
        if (member == FieldRef(&S::test_mode) && term != nullptr &&
            !check_term(*term, test_mode_list_entries - 1.0)) {
            domain.spans.push_back({0.0, test_mode_list_entries - 1.0, 1.0});
        }
        return domain;
    }
    if (device.fraction == FractionKind::fixed_25_bit) {
        // The 25-bit fraction is kept as FRAC over the fixed modulus 2^25.
        if (member == FieldRef(&S::frac_val)) {
            return Domain{{{0.0, bit_weight(25) - 1.0, 1.0}}};
        }
        if (member == FieldRef(&S::mod_val)) {
            return Domain{{{0.0, bit_weight(25), 1.0}}};
        }
    }
    return std::nullopt;
}

// "from 1 to 15" for a field the device places, "from 1 up" otherwise.
std::string from_one(const DeviceProfile& device, FieldId id) {
    const std::optional<FieldPlace> place = find_field(device, id);
    return place ? "from 1 to " + general_form(place->term->bits.max_code()) : "from 1 up";
}

std::string value_list(const std::vector<double>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += i == 0 ? "" : i + 1 == values.size() ? " or " : ", ";
        text += general_form(values[i]);
    }
    return text;
}

} // namespace

bool Domain::contains(double value) const {
    return std::any_of(spans.begin(), spans.end(),
                       [value](const ValueSpan& span) { return span_holds(span, value); });
}

std::string Domain::text() const {
    constexpr double listed = 8.0;
    std::vector<double> values;
    std::string ranges;
    for (const ValueSpan& span : spans) {
        const double count = (span.high - span.low) / span.unit + 1.0;
        if (count <= listed) {
            for (double v = span.low; v <= span.high; v += span.unit) {
                values.push_back(v);
            }
            continue;
        }
        ranges += ranges.empty() ? "" : " or ";
        ranges += span.unit == 1.0 ? "a whole number" : "a multiple of " + general_form(span.unit);
        ranges += " from " + general_form(span.low) + " to " + general_form(span.high);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    if (ranges.empty()) {
        return value_list(values);
    }
    return values.empty() ? ranges : value_list(values) + " or " + ranges;
}

std::optional<Domain> member_domain(const DeviceProfile& device, const FieldRef& member) {
    if (std::optional<Domain> stored = stored_values(device, member)) {
        return stored;
    }
    if (const Term* term = term_anywhere(device, member)) {
        return Domain{{field_span(*term)}};
    }
    return std::nullopt;
}

std::optional<SenseFault> divider_sense(const SharedState& s) {
    const DeviceProfile& device = device_profile(s.device_name);
    if (device.family == Family::none) {
        return std::nullopt;
    }
    if (s.r_count < 1) {
        return SenseFault{
            FieldId::r_counter,
            "R counter = " + std::to_string(s.r_count) +
                " would divide the reference by zero or less: R takes a whole number " +
                from_one(device, FieldId::r_counter) + "."};
    }
    if (device.if_section && s.if_r < 1) {
        return SenseFault{
            FieldId::if_r_counter,
            "IF R counter = " + std::to_string(s.if_r) +
                " would divide the reference by zero or less: IF R takes a whole number " +
                from_one(device, FieldId::if_r_counter) + "."};
    }
    if (device.fraction != FractionKind::modulus) {
        return std::nullopt;
    }
    if (s.mod_val < 1.0) {
        return SenseFault{FieldId::mod,
                          "MOD = " + general_form(s.mod_val) +
                              " gives no fraction FRAC/MOD: MOD takes a whole number " +
                              from_one(device, FieldId::mod) + "."};
    }
    if (s.frac_val >= s.mod_val) {
        return SenseFault{FieldId::frac, "FRAC = " + general_form(s.frac_val) +
                                             " is not below MOD = " + general_form(s.mod_val) +
                                             ", so FRAC/MOD is not a fraction: FRAC takes a " +
                                             "whole number from 0 to " +
                                             general_form(s.mod_val - 1.0) + "."};
    }
    return std::nullopt;
}

} // namespace zqf
