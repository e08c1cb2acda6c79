#include "remote/link_state.h"

#include "core/windows/program.h"

namespace zqf::remote {

LinkState link_state(Program& program, const std::string& start_problem) {
    const SharedState& s = program.state();
    const Platform& platform = program.platform();
    LinkState out;
    if (s.comm_link == "par") {
        out.name = "PAR";
    } else if (s.comm_link == "usb") {
        out.name = "USB";
    } else {
        out.name = "NONE";
        out.reason = "no link was chosen in the start window: words are shown, not sent";
        return out;
    }
    if (s.comm_link == "usb" && s.usb_status < 0) {
        out.reason = "USB Adapter Board NOT DETECTED";
    } else if (!start_problem.empty()) {
        out.reason = start_problem;
    } else if (platform.failed_transfers() > 0) {
        out.reason = "a word did not reach the board: " + platform.transfer_failure();
    }
    if (out.reason.empty() && !platform.failure_reason().empty()) {
        out.reason = platform.failure_reason();
    }
    out.ready = out.reason.empty();
    return out;
}

} // namespace zqf::remote
