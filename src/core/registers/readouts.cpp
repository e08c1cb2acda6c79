#include "core/registers/readouts.h"

#include "core/registers/field_access.h"
#include "core/registers/switch_fields.h"
#include "core/state/bit_weight.h"
#include "core/state/devices.h"
#include "core/state/noise_patterns.h"
#include "core/state/stored_values.h"
#include "core/text/number_text.h"

#include <array>
#include <cmath>
#include <span>

namespace zqf {

namespace {

using S = SharedState;

enum class Rule { two_way, three_way };

constexpr auto p2 = bit_weight<double>;

// The doublers, which the planners set rather than a panel switch of their own.
const MemberValue rf_doubler{&S::doubler_field, p2(19)};
const MemberValue if_doubler{&S::if_ref_doubler, p2(18)};

// A switch read out from its member: the member and value of `own`, or else
// those switch_fields gives.
struct SwitchRule {
    std::string_view control;
    Rule rule;
    const MemberValue* own = nullptr;
};

const std::array<SwitchRule, 12> switch_rules{{
    {"Toggle1", Rule::three_way},
    {"Toggle13", Rule::two_way, &rf_doubler},
    {"Toggle14", Rule::two_way, &if_doubler},
    {"Toggle2", Rule::three_way},
    {"Toggle9", Rule::three_way},
    {"Toggle3", Rule::two_way},
    {"Toggle7", Rule::two_way},
    {"Toggle5", Rule::three_way},
    {"Toggle6", Rule::two_way},
    {"Toggle8", Rule::two_way},
    {"Toggle10", Rule::two_way},
    {"Toggle27", Rule::two_way},
}};

const std::array<SwitchRule, 3> dual_powerdown_rules{{
    {"Toggle15", Rule::three_way},
    {"Toggle34", Rule::three_way},
    {"Toggle33", Rule::three_way},
}};

std::optional<bool> apply(const SharedState& state, const MemberValue& on, Rule rule) {
    const double value = field_value(state, on.member);
    if (value == on.value) {
        return true;
    }
    if (rule == Rule::two_way || value == 0.0) {
        return false;
    }
    return std::nullopt;
}

std::optional<bool> apply(const SharedState& state, const SwitchRule& rule) {
    if (rule.own != nullptr) {
        return apply(state, *rule.own, rule.rule);
    }
    const SwitchField* field = switch_field(rule.control);
    const std::optional<MemberValue> on = field ? member_value(*field) : std::nullopt;
    return on ? apply(state, *on, rule.rule) : std::nullopt;
}

// The code k when `value` is k x `step` for k in 0..last.
std::optional<int> code_of(double value, double step, int last) {
    for (int k = 0; k <= last; ++k) {
        if (value == k * step) {
            return k;
        }
    }
    return std::nullopt;
}

std::string with_unit(double value, std::string_view unit) {
    return format_template(value, "#0.00000") + std::string(unit);
}

// A current read-out, unless the resistor values make it meaningless.
std::optional<std::string> current_text(double milliamperes) {
    if (!std::isfinite(milliamperes)) {
        return std::nullopt;
    }
    return format_template(milliamperes, "0.0000");
}

double rset_scale(const SharedState& s) {
    return s.rset_ohms_int / s.rset_ohms;
}

std::optional<std::string> four_register_rf_current(const SharedState& s) {
    const auto k = code_of(s.cp_current_4r, p2(7), 7);
    return k ? current_text(0.625 * (*k + 1) * rset_scale(s)) : std::nullopt;
}

std::optional<std::string> five_register_rf_current(const SharedState& s) {
    const auto k = code_of(s.cp_current_5r, p2(24), 15);
    return k ? current_text((25.5 / s.rset_ohms) * 1000.0 * (*k + 1) / 16.0) : std::nullopt;
}

std::optional<std::string> dual_rf_current(const SharedState& s) {
    const auto k = code_of(s.rf_cp_current_dual, p2(9), 3);
    return k ? current_text(0.625 * (2 * *k + 1) * rset_scale(s)) : std::nullopt;
}

constexpr std::array<std::string_view, 8> four_register_muxout{
    "3 State Output",   "Digital Lock Detect", "N Divider Output", "Logic High",
    "R Divider Output", "Analog Lock Detect",  "Dont Care",        "Logic Low",
};

constexpr std::array<std::string_view, 8> five_register_muxout{
    "3 State Output",
    "DVdd",
    "Dgnd",
    "R Divider Output",
    "N Divider Output",
    "ODLD",
    "Digital Lock Detect",
    "Serial Data Output",
};

constexpr std::array<std::string_view, 16> dual_muxout{
    "Logic Low State",        "IF Analog Lock Detect",     "IF R Divider Output",
    "IF N Divider Output",    "RF Analog Lock Detect",     "RF/IF Analog Lock Detect",
    "IF Digital Lock Detect", "Logic High State",          "RF R Divider Output",
    "RF N Divider Output",    "Three State Output",        "Logic Low State",
    "RF Digital Lock Detect", "RF/IF Digital Lock Detect", "Logic High State",
    "Logic Low State",
};
static_assert(dual_muxout.size() == dual_muxout_codes);

// The muxout code of the single synthesizers, held as k x 2^20; the dual
// devices keep the position of their list instead.
std::optional<int> single_muxout_code(const SharedState& s) {
    return code_of(s.muxout_code, p2(20), 7);
}

std::optional<int> dual_muxout_code(const SharedState& s) {
    return s.dual_muxout_index;
}

// How each family's read-outs read the shared state.
struct FamilyReadouts {
    Family family;
    std::optional<std::string> (*rf_current)(const SharedState&);
    std::optional<int> (*muxout_code)(const SharedState&);
    std::span<const std::string_view> muxout_names;
};

constexpr FamilyTable<FamilyReadouts> family_readouts{{
    {.family = Family::four_register,
     .rf_current = four_register_rf_current,
     .muxout_code = single_muxout_code,
     .muxout_names = four_register_muxout},
    {.family = Family::five_register,
     .rf_current = five_register_rf_current,
     .muxout_code = single_muxout_code,
     .muxout_names = five_register_muxout},
    {.family = Family::dual,
     .rf_current = dual_rf_current,
     .muxout_code = dual_muxout_code,
     .muxout_names = dual_muxout},
}};
static_assert(has_every_family(family_readouts));

const FamilyReadouts* readouts_of(const SharedState& s) {
    return family_row(family_readouts, family_of(s.device_name));
}

std::optional<std::string> rf_current(const SharedState& s) {
    const FamilyReadouts* family = readouts_of(s);
    return family != nullptr ? family->rf_current(s) : std::nullopt;
}

} // namespace

std::optional<std::string> muxout_name(const SharedState& s) {
    const FamilyReadouts* family = readouts_of(s);
    const std::optional<int> code = family != nullptr ? family->muxout_code(s) : std::nullopt;
    if (!code || *code < 0 || *code >= static_cast<int>(family->muxout_names.size())) {
        return std::nullopt;
    }
    return std::string(family->muxout_names[static_cast<std::size_t>(*code)]);
}

std::optional<std::size_t> noise_mode_of_test_mode(const SharedState& s) {
    const int32_t rf_code_23 = bit_weight<int32_t>(15) + bit_weight<int32_t>(13) +
                               bit_weight<int32_t>(12) + bit_weight<int32_t>(11);
    const int32_t rf_code_17 = bit_weight<int32_t>(15) + bit_weight<int32_t>(11);
    if (s.if_test_mode != 0) {
        return std::nullopt;
    }
    if (s.test_mode == rf_code_23) {
        return 1;
    }
    if (s.test_mode == rf_code_17) {
        return 2;
    }
    return std::nullopt;
}

Readouts compute_readouts(const SharedState& s) {
    Readouts r;
    const bool dual = family_of(s.device_name) == Family::dual;
    r.frequencies = {
        {"vcofreq", with_unit(s.rf_freq / 1e6, "MHz")},
        {"ref_freq", with_unit(s.pfd_freq / 1000.0, "kHz")},
        {"ifvcofreq", with_unit(s.if_vco_freq, "MHz")},
        {"ifref_freq", with_unit(s.if_pfd_freq, "kHz")},
        {"crystal", with_unit(s.refin_freq / 1e6, "MHz")},
        {"crystalIF", with_unit(s.refin_freq / 1e6, "MHz")},
    };
    for (const SwitchRule& rule : switch_rules) {
        if (const auto on = apply(s, rule)) {
            r.switches_before_currents.push_back({rule.control, *on});
        }
    }
    // Every family keeps prescaler_field with the prescaler choice, so the
    // read-out follows the list on every device, not only on the dual ones.
    if (s.prescaler_field == bit_weight<int32_t>(20)) {
        r.prescale = "8/9";
    } else if (s.prescaler_field == 0) {
        r.prescale = "4/5";
    }
    if (const auto k = code_of(s.if_cp_current, p2(8), 7)) {
        r.currentsetting1 = current_text(0.625 * (*k + 1) * s.rset_ohms_int / s.rset_ohms);
    }
    r.currentsetting2 = rf_current(s);
    if (dual) {
        r.toggle4 = apply(s, {"Toggle4", Rule::three_way});
    }
    if (const std::optional<std::size_t> mode = noise_mode_of_test_mode(s)) {
        r.noise_option = std::string(noise_patterns[*mode].option);
    }
    r.muxout_name = muxout_name(s);
    if (dual) {
        for (const SwitchRule& rule : dual_powerdown_rules) {
            if (const auto on = apply(s, rule)) {
                r.powerdown_switches.push_back({rule.control, *on});
            }
        }
    }
    return r;
}

} // namespace zqf
