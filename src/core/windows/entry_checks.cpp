// What each entry of the windows takes: a number, a whole number of
// milliseconds, or a value its register field can carry. The handlers keep
// their own reading of the boxes; these checks only say, while the user
// types, what a handler would refuse.
#include "core/windows/entry_checks.h"

#include "core/planning/fast_lock.h"
#include "core/registers/field_check.h"
#include "core/state/device_profile.h"
#include "core/state/shared_state.h"
#include "core/text/convert.h"
#include "core/text/number_entry.h"
#include "core/text/number_text.h"
#include "core/ui/form.h"
#include "core/windows/names/crystal_controls.h"
#include "core/windows/names/current_controls.h"
#include "core/windows/names/dual_mux_controls.h"
#include "core/windows/names/fast_lock_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/lock_time_controls.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/names/spur_opt_controls.h"
#include "core/windows/names/sweep_controls.h"
#include "core/windows/names/synth_controls.h"
#include "core/windows/names/synth_if_controls.h"

#include <optional>

namespace zqf {

namespace {

enum class Takes {
    number,
    rate16,  // milliseconds, a 16-bit whole number of at least 1
    rate32,  // the same in 32 bits
    field,   // a value the field carries as typed
    field16, // a value the field carries once rounded to a 16-bit whole number
    timer,   // a fast-lock timer count, loaded through the modulus field
};

struct EntryRule {
    FormId form;
    ControlName<TextBox> box;
    Takes takes;
    FieldId field = FieldId::reserved;
};

constexpr EntryRule entry_rules[] = {
    {FormId::main, main_controls::phase_reg_textbox, Takes::field, FieldId::phase},
    {FormId::main, main_controls::clock_divider_value_textbox, Takes::field,
     FieldId::clk_div_value},
    {FormId::synth, synth_controls::Text1, Takes::number},
    {FormId::synth, synth_controls::Text2, Takes::number},
    {FormId::synth, synth_controls::Text3, Takes::number},
    {FormId::synth, synth_controls::Text4, Takes::number},
    {FormId::synth, synth_controls::Text5, Takes::field16, FieldId::r_counter},
    {FormId::synth_if, synth_if_controls::Text1, Takes::number},
    {FormId::synth_if, synth_if_controls::Text2, Takes::number},
    {FormId::crystal, crystal_controls::Text1, Takes::number},
    {FormId::fast_lock, fast_lock_controls::Text1, Takes::timer, FieldId::mod},
    {FormId::dual_mux, dual_mux_controls::Text1, Takes::field16, FieldId::r_counter},
    {FormId::dual_mux, dual_mux_controls::Text2, Takes::field, FieldId::int_val},
    {FormId::dual_mux, dual_mux_controls::Text3, Takes::field, FieldId::frac},
    {FormId::dual_mux, dual_mux_controls::Text4, Takes::field, FieldId::mod},
    {FormId::sweep, sweep_controls::Text1, Takes::number},
    {FormId::sweep, sweep_controls::Text3, Takes::number},
    {FormId::sweep, sweep_controls::Text4, Takes::rate16},
    {FormId::lock_time, lock_time_controls::Text1, Takes::number},
    {FormId::lock_time, lock_time_controls::Text2, Takes::number},
    {FormId::lock_time, lock_time_controls::Text3, Takes::rate16},
    {FormId::spur_opt, spur_opt_controls::fvco_box, Takes::number},
    {FormId::spur_opt, spur_opt_controls::phase_value_box, Takes::field, FieldId::phase},
    {FormId::spur_opt, spur_opt_controls::sweep_rate_box, Takes::rate32},
    {FormId::current1, current_controls::Text2, Takes::number},
    {FormId::current2, current_controls::Text2, Takes::number},
    {FormId::current7310, current_controls::Text2, Takes::number},
    {FormId::current7340, current_controls::Text2, Takes::number},
};

const EntryRule* rule_of(std::string_view form, std::string_view box) {
    for (const EntryRule& rule : entry_rules) {
        if (form_name(rule.form) == form && rule.box.text == box) {
            return &rule;
        }
    }
    return nullptr;
}

std::string rate_problem(double value, Takes takes) {
    const std::optional<int> rate = takes == Takes::rate16 ? std::optional<int>(to_int16(value))
                                                           : std::optional<int>(to_int32(value));
    if (rate && *rate >= 1) {
        return {};
    }
    return takes == Takes::rate16 ? "The rate takes a whole number of milliseconds from 1 to 32767."
                                  : "The rate takes a whole number of milliseconds from 1 to "
                                    "2147483647.";
}

std::string field_problem(const SharedState& state, const EntryRule& rule, double value) {
    if (rule.takes == Takes::field16) {
        // Stored as the handler stores it; a value beyond 16 bits is named as typed.
        value = to_int16(value).value_or(value);
    }
    const std::optional<FieldMisfit> misfit =
        check_field(device_profile(state.device_name), rule.field, value);
    return misfit ? misfit_text(*misfit) : std::string();
}

std::string problem_of(const SharedState& state, const EntryRule& rule, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const std::optional<double> value = parse_number(text);
    if (!value) {
        return "\"" + std::string(text) + "\" is not a number.";
    }
    switch (rule.takes) {
    case Takes::number:
        return {};
    case Takes::rate16:
    case Takes::rate32:
        return rate_problem(*value, rule.takes);
    case Takes::field:
    case Takes::field16:
        return field_problem(state, rule, *value);
    case Takes::timer: {
        const std::string misfit = field_problem(state, rule, *value);
        if (!misfit.empty() || fast_lock_count(text, device_profile(state.device_name))) {
            return misfit;
        }
        return "The fast-lock timer takes a whole number of PFD cycles from 0 to " +
               general_form(max_fast_lock_count) + ".";
    }
    }
    return {};
}

} // namespace

std::string entry_problem(const SharedState& state, std::string_view form, std::string_view box,
                          std::string_view text) {
    const EntryRule* rule = rule_of(form, box);
    return rule != nullptr ? problem_of(state, *rule, text) : std::string();
}

void attach_entry_checks(Form& form, const SharedState& state) {
    for (const auto& control : form.controls()) {
        auto* box = dynamic_cast<TextBox*>(control.get());
        const EntryRule* rule = box != nullptr ? rule_of(form.name(), box->name()) : nullptr;
        if (rule == nullptr) {
            continue;
        }
        box->set_check(
            [&state, rule](std::string_view text) { return problem_of(state, *rule, text); });
    }
}

} // namespace zqf
