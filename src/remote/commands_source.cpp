// SOURce: the output frequency of each section, its channel step, the
// reference input, the outputs and the phase word.
#include "remote/commands.h"

#include "core/planning/arithmetic.h"
#include "core/planning/dividers.h"
#include "core/planning/limits.h"
#include "core/registers/field_check.h"
#include "core/state/device_profile.h"
#include "core/state/start_values.h"
#include "core/windows/program.h"

#include <array>

namespace zqf::remote {

namespace {

constexpr std::array<Keyword, 5> frequency_keywords{
    Keyword::minimum, Keyword::maximum, Keyword::default_value, Keyword::up, Keyword::down};
constexpr std::array<Keyword, 3> value_keywords{Keyword::minimum, Keyword::maximum,
                                                Keyword::default_value};

// SOURce1 is the RF section, SOURce2 the IF section of the dual devices.
Got<int> section(const Call& call) {
    return suffix(call, 0, 1, 1, 2);
}

// The values the program starts with for the device in use.
SharedState start_state(const SharedState& now) {
    SharedState fresh;
    apply_first_start_values(fresh);
    fresh.device_name = now.device_name;
    apply_device_defaults(fresh);
    return fresh;
}

// The step of one channel: the planned step, or one unit of the ZQF7350's fraction.
double channel_step(const SharedState& s) {
    return device_profile(s.device_name).fraction == FractionKind::fixed_25_bit
               ? s.pfd_freq / fixed_modulus
               : s.chan_step;
}

// The largest code a divider field takes on the device.
std::optional<double> field_maximum(const SharedState& s, FieldId id) {
    const std::optional<FieldPlace> place = find_field(device_profile(s.device_name), id);
    if (!place) {
        return std::nullopt;
    }
    return place->term->bits.max_code();
}

// The lowest and highest RF output the planned PFD reaches: the smallest INT
// the device's limits pass, and the last channel below the largest INT + 1.
Got<double> rf_bound(const SharedState& s, Keyword which) {
    const std::optional<double> int_max = field_maximum(s, FieldId::int_val);
    if (!int_max) {
        return ScpiError{ErrorCode::settings_conflict, "the device has no RF divider"};
    }
    if (which == Keyword::maximum) {
        return (*int_max + 1.0) * s.pfd_freq - channel_step(s);
    }
    SharedState trial = s;
    for (double n = 0.0; n <= *int_max; n += 1.0) {
        trial.int_val = n;
        if (!check_limits(trial)) {
            return n * s.pfd_freq;
        }
    }
    return ScpiError{ErrorCode::settings_conflict,
                     "no INT passes the device's limits at the planned PFD"};
}

Reply done(Result result) {
    if (result) {
        return *result;
    }
    return {};
}

// The section a SOURce<n> or OUTPut<n> header names, once the command is
// known to carry `count` data.
Got<int> section_taking(const Call& call, std::size_t count) {
    const Got<int> which = section(call);
    if (error_of(which) != nullptr) {
        return which;
    }
    if (auto failure = expect_count(call.data, count)) {
        return *failure;
    }
    return which;
}

bool has_if_section(const SharedState& s) {
    return device_profile(s.device_name).if_section;
}

const ScpiError no_if_section{ErrorCode::hardware_missing, "the device has no IF section"};

// What MINimum, MAXimum and DEFault stand for, per quantity.
using Named = Got<double> (*)(const SharedState& s, Keyword keyword);

Got<double> not_offered(std::string_view what) {
    return ScpiError{ErrorCode::illegal_parameter_value, std::string(what)};
}

Got<double> rf_frequency_named(const SharedState& s, Keyword keyword) {
    if (keyword == Keyword::default_value) {
        return start_state(s).rf_freq;
    }
    return rf_bound(s, keyword);
}

Got<double> if_frequency_named(const SharedState& s, Keyword keyword) {
    if (keyword == Keyword::default_value) {
        return start_state(s).if_vco_freq * 1e6;
    }
    return not_offered("the IF section offers no MINimum or MAXimum frequency");
}

Got<double> rf_step_named(const SharedState& s, Keyword keyword) {
    if (keyword == Keyword::default_value) {
        return start_state(s).chan_step;
    }
    if (keyword == Keyword::maximum) {
        return s.pfd_freq;
    }
    const std::optional<double> mod_max = field_maximum(s, FieldId::mod);
    if (!mod_max) {
        return ScpiError{ErrorCode::settings_conflict,
                         "the channel step of the device follows from its PFD"};
    }
    return s.pfd_freq / *mod_max;
}

Got<double> if_step_named(const SharedState& s, Keyword keyword) {
    if (keyword == Keyword::default_value) {
        return start_state(s).if_pfd_freq * 1000.0;
    }
    return not_offered("the IF section offers no MINimum or MAXimum step");
}

Got<double> reference_named(const SharedState& s, Keyword keyword) {
    if (keyword == Keyword::default_value) {
        return start_state(s).refin_freq;
    }
    return not_offered("the reference offers DEFault only, no MINimum or MAXimum");
}

// A frequency datum: a number with its unit, or MINimum, MAXimum, DEFault.
Got<double> frequency_datum(const Parameter& datum, const SharedState& s, Named named) {
    if (const std::optional<Keyword> keyword = keyword_of(datum, value_keywords)) {
        return named(s, *keyword);
    }
    return frequency_hz(datum);
}

// A query with nothing after it gives `now`; with MIN, MAX or DEF what they name.
Reply value_query(const Call& call, double now, Named named) {
    if (call.data.size() > 1) {
        return ScpiError{ErrorCode::parameter_not_allowed, "the query takes MIN, MAX or DEF only"};
    }
    if (call.data.empty()) {
        return number_response(now);
    }
    const std::optional<Keyword> keyword = keyword_of(call.data[0], value_keywords);
    if (!keyword) {
        return ScpiError{ErrorCode::illegal_parameter_value,
                         "the query takes MINimum, MAXimum or DEFault, not " +
                             describe(call.data[0])};
    }
    const Got<double> value = named(call.instrument.panel().state(), *keyword);
    if (const ScpiError* failure = error_of(value)) {
        return *failure;
    }
    return number_response(std::get<double>(value));
}

} // namespace

Reply frequency(Call& call) {
    const Got<int> which = section_taking(call, 1);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    Panel& panel = call.panel();
    const bool rf = std::get<int>(which) == 1;
    const std::optional<Keyword> step = keyword_of(call.data[0], frequency_keywords);
    if (step == Keyword::up || step == Keyword::down) {
        return done(rf ? panel.step_rf(step == Keyword::up) : panel.step_if(step == Keyword::up));
    }
    const Got<double> hz =
        frequency_datum(call.data[0], panel.state(), rf ? rf_frequency_named : if_frequency_named);
    if (const ScpiError* failure = error_of(hz)) {
        return *failure;
    }
    return done(rf ? panel.set_rf_frequency(std::get<double>(hz))
                   : panel.set_if_frequency(std::get<double>(hz)));
}

Reply frequency_query(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    if (std::get<int>(which) == 1) {
        return value_query(call, s.rf_freq, rf_frequency_named);
    }
    if (!has_if_section(s)) {
        return no_if_section;
    }
    return value_query(call, s.if_vco_freq * 1e6, if_frequency_named);
}

Reply step(Call& call) {
    const Got<int> which = section_taking(call, 1);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    Panel& panel = call.panel();
    const bool rf = std::get<int>(which) == 1;
    const Got<double> hz =
        frequency_datum(call.data[0], panel.state(), rf ? rf_step_named : if_step_named);
    if (const ScpiError* failure = error_of(hz)) {
        return *failure;
    }
    return done(rf ? panel.set_rf_step(std::get<double>(hz))
                   : panel.set_if_step(std::get<double>(hz)));
}

Reply step_query(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    if (std::get<int>(which) == 1) {
        return value_query(call, channel_step(s), rf_step_named);
    }
    if (!has_if_section(s)) {
        return no_if_section;
    }
    return value_query(call, s.if_pfd_freq * 1000.0, if_step_named);
}

Reply reference(Call& call) {
    const Got<int> which = section_taking(call, 1);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    Panel& panel = call.panel();
    const Got<double> hz = frequency_datum(call.data[0], panel.state(), reference_named);
    if (const ScpiError* failure = error_of(hz)) {
        return *failure;
    }
    return done(panel.set_reference(std::get<double>(hz)));
}

Reply reference_query(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    return value_query(call, call.panel().state().refin_freq, reference_named);
}

Reply output(Call& call) {
    const Got<int> which = section_taking(call, 1);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    const Got<bool> on = boolean(call.data[0]);
    if (const ScpiError* failure = error_of(on)) {
        return *failure;
    }
    return done(call.panel().set_output(std::get<int>(which), std::get<bool>(on)));
}

Reply output_query(Call& call) {
    const Got<int> which = section_taking(call, 0);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    if (std::get<int>(which) == 2 && !has_if_section(s)) {
        return no_if_section;
    }
    const double powerdown = std::get<int>(which) == 2 ? s.if_powerdown : s.rf_powerdown;
    return std::string(powerdown == 0.0 ? "1" : "0");
}

Reply phase(Call& call) {
    const Got<int> which = section_taking(call, 1);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (std::get<int>(which) != 1) {
        return ScpiError{ErrorCode::hardware_missing, "the IF section has no phase word"};
    }
    Panel& panel = call.panel();
    double value = 0.0;
    if (const std::optional<Keyword> keyword = keyword_of(call.data[0], value_keywords)) {
        if (*keyword == Keyword::default_value) {
            return ScpiError{ErrorCode::illegal_parameter_value,
                             "the phase offers MINimum and MAXimum only"};
        }
        const std::optional<double> most = field_maximum(panel.state(), FieldId::phase);
        value = *keyword == Keyword::minimum || !most ? 0.0 : *most;
    } else {
        const Got<int64_t> typed = whole(call.data[0], 0, 0xFFFFFFFF);
        if (const ScpiError* failure = error_of(typed)) {
            return *failure;
        }
        value = static_cast<double>(std::get<int64_t>(typed));
    }
    return done(panel.set_phase(value));
}

Reply phase_query(Call& call) {
    const Got<int> which = section_taking(call, 0);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    if (std::get<int>(which) != 1 || !device_profile(s.device_name).phase_register) {
        return ScpiError{ErrorCode::hardware_missing, "the device has no phase word"};
    }
    return number_response(s.phase_value);
}

} // namespace zqf::remote
