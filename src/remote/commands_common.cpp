// IEEE 488.2 common commands and the SYSTem subsystem.
#include "remote/commands.h"

#include "core/windows/main_form.h"
#include "core/windows/program.h"
#include "remote/link_state.h"
#include "remote/panel_controls.h"

namespace zqf::remote {

namespace {

// The byte a mask command takes: a whole number from 0 to 255.
Got<int64_t> mask(const Call& call) {
    if (auto failure = expect_count(call.data, 1)) {
        return *failure;
    }
    return whole(call.data[0], 0, 255);
}

} // namespace

std::string model_name(Program& program) {
    if (const MainForm* main = program.main_form()) {
        return main->get<CaptionControl>(panel::main_window::device_label).caption();
    }
    return program.state().device_name;
}

Reply idn_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return "Norvik," + model_name(call.instrument.program()) + ",0," + call.instrument.version();
}

Reply rst(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    call.session.opc_armed = false;
    call.instrument.exerciser() = {};
    if (Result failure = call.panel().reset()) {
        return *failure;
    }
    return {};
}

Reply cls(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    call.session.status.clear();
    call.session.opc_armed = false;
    return {};
}

Reply ese(Call& call) {
    const Got<int64_t> value = mask(call);
    if (const ScpiError* failure = error_of(value)) {
        return *failure;
    }
    call.session.status.set_event_enable(static_cast<uint8_t>(std::get<int64_t>(value)));
    return {};
}

Reply ese_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return std::to_string(call.session.status.enabled_events());
}

Reply esr_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return std::to_string(call.session.status.take_events());
}

Reply sre(Call& call) {
    const Got<int64_t> value = mask(call);
    if (const ScpiError* failure = error_of(value)) {
        return *failure;
    }
    call.session.status.set_service_enable(static_cast<uint8_t>(std::get<int64_t>(value)));
    return {};
}

Reply sre_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return std::to_string(call.session.status.service_enable());
}

Reply stb_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return std::to_string(call.session.status.status_byte(!call.session.response.empty()));
}

Reply opc(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    if (call.panel().sweeping()) {
        call.session.opc_armed = true;
    } else {
        call.session.status.set_event(StatusModel::operation_complete);
    }
    return {};
}

Reply opc_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return WaitForOperations{true};
}

Reply wai(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return WaitForOperations{false};
}

Reply tst_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    const LinkState link = link_state(call.instrument.program(), call.instrument.link_problem());
    if (link.ready) {
        return std::string("0");
    }
    call.session.status.report({ErrorCode::self_test_failed, link.reason});
    return std::string("1");
}

Reply error_next_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return call.session.status.errors().pop().response();
}

Reply error_count_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return std::to_string(call.session.status.errors().size());
}

Reply error_all_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    ErrorQueue& errors = call.session.status.errors();
    if (errors.empty()) {
        return errors.pop().response();
    }
    std::string all;
    while (!errors.empty()) {
        all += (all.empty() ? "" : ",") + errors.pop().response();
    }
    return all;
}

Reply version_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return std::string("1999.0");
}

Reply device_query(Call& call) {
    if (auto failure = expect_count(call.data, 0)) {
        return *failure;
    }
    return model_name(call.instrument.program());
}

} // namespace zqf::remote
