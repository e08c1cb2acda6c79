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

Got<std::optional<Keyword>> optional_keyword(const Call& call) {
    if (call.data.size() > 1) {
        return ScpiError{ErrorCode::parameter_not_allowed, "the query takes MIN, MAX or DEF only"};
    }
    if (call.data.empty()) {
        return std::optional<Keyword>{};
    }
    const std::optional<Keyword> keyword = keyword_of(call.data[0], value_keywords);
    if (!keyword) {
        return ScpiError{ErrorCode::illegal_parameter_value,
                         "the query takes MINimum, MAXimum or DEFault, not " +
                             describe(call.data[0])};
    }
    return keyword;
}

} // namespace

Reply frequency(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    Panel& panel = call.panel();
    const bool rf = std::get<int>(which) == 1;
    const std::optional<Keyword> keyword = keyword_of(call.data[0], frequency_keywords);
    if (keyword == Keyword::up || keyword == Keyword::down) {
        return done(rf ? panel.step_rf(keyword == Keyword::up)
                       : panel.step_if(keyword == Keyword::up));
    }
    double hz = 0.0;
    if (keyword == Keyword::default_value) {
        const SharedState fresh = start_state(panel.state());
        hz = rf ? fresh.rf_freq : fresh.if_vco_freq * 1e6;
    } else if (keyword) {
        if (!rf) {
            return ScpiError{ErrorCode::illegal_parameter_value,
                             "the IF section offers no MINimum or MAXimum frequency"};
        }
        const Got<double> bound = rf_bound(panel.state(), *keyword);
        if (const ScpiError* failure = error_of(bound)) {
            return *failure;
        }
        hz = std::get<double>(bound);
    } else {
        const Got<double> typed = frequency_hz(call.data[0]);
        if (const ScpiError* failure = error_of(typed)) {
            return *failure;
        }
        hz = std::get<double>(typed);
    }
    return done(rf ? panel.set_rf_frequency(hz) : panel.set_if_frequency(hz));
}

Reply frequency_query(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    const Got<std::optional<Keyword>> keyword = optional_keyword(call);
    if (const ScpiError* failure = error_of(keyword)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    const bool rf = std::get<int>(which) == 1;
    if (!rf && !device_profile(s.device_name).if_section) {
        return ScpiError{ErrorCode::hardware_missing, "the device has no IF section"};
    }
    const std::optional<Keyword> asked = std::get<std::optional<Keyword>>(keyword);
    if (!asked) {
        return number_response(rf ? s.rf_freq : s.if_vco_freq * 1e6);
    }
    if (*asked == Keyword::default_value) {
        const SharedState fresh = start_state(s);
        return number_response(rf ? fresh.rf_freq : fresh.if_vco_freq * 1e6);
    }
    if (!rf) {
        return ScpiError{ErrorCode::illegal_parameter_value,
                         "the IF section offers no MINimum or MAXimum frequency"};
    }
    const Got<double> bound = rf_bound(s, *asked);
    if (const ScpiError* failure = error_of(bound)) {
        return *failure;
    }
    return number_response(std::get<double>(bound));
}

Reply step(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    Panel& panel = call.panel();
    const SharedState& s = panel.state();
    const bool rf = std::get<int>(which) == 1;
    double hz = 0.0;
    if (const std::optional<Keyword> keyword = keyword_of(call.data[0], value_keywords)) {
        if (*keyword == Keyword::default_value) {
            const SharedState fresh = start_state(s);
            hz = rf ? fresh.chan_step : fresh.if_pfd_freq * 1000.0;
        } else if (!rf) {
            return ScpiError{ErrorCode::illegal_parameter_value,
                             "the IF section offers no MINimum or MAXimum step"};
        } else if (*keyword == Keyword::maximum) {
            hz = s.pfd_freq;
        } else {
            const std::optional<double> mod_max = field_maximum(s, FieldId::mod);
            if (!mod_max) {
                return ScpiError{ErrorCode::settings_conflict,
                                 "the channel step of the device follows from its PFD"};
            }
            hz = s.pfd_freq / *mod_max;
        }
    } else {
        const Got<double> typed = frequency_hz(call.data[0]);
        if (const ScpiError* failure = error_of(typed)) {
            return *failure;
        }
        hz = std::get<double>(typed);
    }
    return done(rf ? panel.set_rf_step(hz) : panel.set_if_step(hz));
}

Reply step_query(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    if (std::get<int>(which) == 2) {
        if (!device_profile(s.device_name).if_section) {
            return ScpiError{ErrorCode::hardware_missing, "the device has no IF section"};
        }
        return number_response(s.if_pfd_freq * 1000.0);
    }
    return number_response(channel_step(s));
}

Reply reference(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    Panel& panel = call.panel();
    double hz = 0.0;
    if (const std::optional<Keyword> keyword = keyword_of(call.data[0], value_keywords)) {
        if (*keyword != Keyword::default_value) {
            return ScpiError{ErrorCode::illegal_parameter_value,
                             "the reference offers DEFault only, no MINimum or MAXimum"};
        }
        hz = start_state(panel.state()).refin_freq;
    } else {
        const Got<double> typed = frequency_hz(call.data[0]);
        if (const ScpiError* failure = error_of(typed)) {
            return *failure;
        }
        hz = std::get<double>(typed);
    }
    return done(panel.set_reference(hz));
}

Reply reference_query(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return number_response(call.panel().state().refin_freq);
}

Reply output(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    const Got<bool> on = boolean(call.data[0]);
    if (const ScpiError* failure = error_of(on)) {
        return *failure;
    }
    return done(call.panel().set_output(std::get<int>(which), std::get<bool>(on)));
}

Reply output_query(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    if (std::get<int>(which) == 2) {
        if (!device_profile(s.device_name).if_section) {
            return ScpiError{ErrorCode::hardware_missing, "the device has no IF section"};
        }
        return std::string(s.if_powerdown == 0.0 ? "1" : "0");
    }
    return std::string(s.rf_powerdown == 0.0 ? "1" : "0");
}

Reply phase(Call& call) {
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (std::get<int>(which) != 1) {
        return ScpiError{ErrorCode::hardware_missing, "the IF section has no phase word"};
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
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
    const Got<int> which = section(call);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const SharedState& s = call.panel().state();
    if (std::get<int>(which) != 1 || !device_profile(s.device_name).phase_register) {
        return ScpiError{ErrorCode::hardware_missing, "the device has no phase word"};
    }
    return number_response(s.phase_value);
}

} // namespace zqf::remote
