// Sweep and list as signal generators name them: FREQuency:MODE chooses what
// INITiate starts, the frequency sweep (SWEep) or the lock-time hopper
// (LIST, two frequencies in turn); ABORt stops it.
#include "remote/commands.h"

#include "remote/header_pattern.h"

#include <cmath>

namespace zqf::remote {

namespace {

using Mode = Instrument::Mode;

struct ModeName {
    Mode mode;
    std::string_view spelled;
    std::string_view response;
};
constexpr ModeName mode_names[] = {
    {Mode::cw, "CW", "CW"},
    {Mode::cw, "FIXed", "CW"},
    {Mode::sweep, "SWEep", "SWE"},
    {Mode::list, "LIST", "LIST"},
};

// Only the RF section sweeps and hops.
std::optional<ScpiError> rf_only(const Call& call) {
    const Got<int> which = suffix(call, 0, 1, 1, 2);
    if (const ScpiError* failure = error_of(which)) {
        return *failure;
    }
    if (std::get<int>(which) != 1) {
        return ScpiError{ErrorCode::hardware_missing, "the IF section has no sweep or list"};
    }
    return std::nullopt;
}

Got<double> one_frequency(const Call& call) {
    if (auto failure = rf_only(call)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    return frequency_hz(call.data[0]);
}

// A dwell in milliseconds, from a time in seconds (or with its unit).
Got<double> one_dwell_ms(const Call& call) {
    if (auto failure = rf_only(call)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    const Got<double> time = seconds(call.data[0]);
    if (const ScpiError* failure = error_of(time)) {
        return *failure;
    }
    const double ms = std::get<double>(time) * 1000.0;
    if (!(ms > 0.0)) {
        return ScpiError{ErrorCode::data_out_of_range, "a dwell must be longer than 0 s"};
    }
    return ms;
}

Reply stored(std::optional<double>& slot, const Got<double>& value) {
    if (const ScpiError* failure = error_of(value)) {
        return *failure;
    }
    slot = std::get<double>(value);
    return {};
}

Reply shown(const Call& call, const std::optional<double>& slot, double designed,
            double factor = 1.0) {
    if (auto failure = rf_only(call)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return number_response(slot.value_or(designed) * factor);
}

} // namespace

Reply mode(Call& call) {
    if (auto failure = rf_only(call)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    if (const auto* chars = std::get_if<CharacterData>(&call.data[0])) {
        for (const ModeName& name : mode_names) {
            if (is_keyword(chars->text, name.spelled)) {
                call.instrument.exerciser().mode = name.mode;
                return {};
            }
        }
    }
    return ScpiError{ErrorCode::illegal_parameter_value,
                     "the mode is CW, FIXed, SWEep or LIST, not " + describe(call.data[0])};
}

Reply mode_query(Call& call) {
    if (auto failure = rf_only(call)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    for (const ModeName& name : mode_names) {
        if (name.mode == call.instrument.exerciser().mode) {
            return std::string(name.response);
        }
    }
    return std::string("CW");
}

Reply start(Call& call) {
    return stored(call.instrument.exerciser().start_hz, one_frequency(call));
}

Reply start_query(Call& call) {
    return shown(call, call.instrument.exerciser().start_hz,
                 call.panel().designed_entries().start_hz);
}

Reply stop(Call& call) {
    return stored(call.instrument.exerciser().stop_hz, one_frequency(call));
}

Reply stop_query(Call& call) {
    return shown(call, call.instrument.exerciser().stop_hz,
                 call.panel().designed_entries().stop_hz);
}

Reply sweep_dwell(Call& call) {
    return stored(call.instrument.exerciser().sweep_dwell_ms, one_dwell_ms(call));
}

Reply sweep_dwell_query(Call& call) {
    return shown(call, call.instrument.exerciser().sweep_dwell_ms,
                 call.panel().designed_entries().sweep_dwell_ms, 1e-3);
}

Reply list_frequency(Call& call) {
    if (auto failure = rf_only(call)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 2)) {
        return *failure;
    }
    const Got<double> f1 = frequency_hz(call.data[0]);
    const Got<double> f2 = frequency_hz(call.data[1]);
    for (const Got<double>* value : {&f1, &f2}) {
        if (const ScpiError* failure = error_of(*value)) {
            return *failure;
        }
    }
    call.instrument.exerciser().f1_hz = std::get<double>(f1);
    call.instrument.exerciser().f2_hz = std::get<double>(f2);
    return {};
}

Reply list_frequency_query(Call& call) {
    if (auto failure = rf_only(call)) {
        return *failure;
    }
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const Instrument::Exerciser& set = call.instrument.exerciser();
    const Panel::ExerciserEntries designed = call.panel().designed_entries();
    return number_response(set.f1_hz.value_or(designed.f1_hz)) + "," +
           number_response(set.f2_hz.value_or(designed.f2_hz));
}

Reply list_dwell(Call& call) {
    return stored(call.instrument.exerciser().list_dwell_ms, one_dwell_ms(call));
}

Reply list_dwell_query(Call& call) {
    return shown(call, call.instrument.exerciser().list_dwell_ms,
                 call.panel().designed_entries().hop_dwell_ms, 1e-3);
}

Reply initiate(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    Instrument::Exerciser& set = call.instrument.exerciser();
    Panel& panel = call.panel();
    if (set.mode == Mode::cw) {
        return ScpiError{ErrorCode::settings_conflict,
                         "FREQuency:MODE is CW: choose SWEep or LIST first"};
    }
    if (panel.exercising()) {
        return ScpiError{ErrorCode::init_ignored, "a sweep or list is running; ABORt it first"};
    }
    const Result result = set.mode == Mode::sweep
                              ? panel.start_sweep(set.start_hz, set.stop_hz, set.sweep_dwell_ms)
                              : panel.start_hop(set.f1_hz, set.f2_hz, set.list_dwell_ms);
    if (result) {
        return *result;
    }
    set.owner = call.session.id;
    return {};
}

Reply abort(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    call.panel().abort();
    call.instrument.exerciser().owner.reset();
    return {};
}

} // namespace zqf::remote
