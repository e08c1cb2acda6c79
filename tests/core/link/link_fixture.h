#pragma once

#include "core/link/register_link.h"
#include "core/state/device_profile.h"
#include "core/state/start_values.h"
#include "platform/chip_geometry.h"
#include "platform/null_platform.h"
#include "platform/tracing_platform.h"
#include "platform/virtual_board.h"

#include <string>
#include <vector>

namespace zqf::testing {

inline int register_count(const char* device) {
    return device_profile(device).register_count;
}

// A confirmed device on a virtual board, with every platform call recorded.
struct LinkBench {
    SharedState state;
    VirtualBoard board{[this] { return chip_geometry(state.device_name); }};
    std::vector<std::string> calls;
    TracingPlatform traced{board, [this](const std::string& line) { calls.push_back(line); }};
    RegisterLink link{state, traced};

    LinkBench(const char* device, const char* comm) {
        apply_first_start_values(state);
        state.device_name = device;
        apply_device_defaults(state);
        apply_confirmation_field_values(state);
        state.comm_link = comm;
    }

    // The byte values of the recorded "out" calls.
    std::vector<int> bytes() const {
        std::vector<int> out;
        for (const std::string& call : calls) {
            if (call.rfind("out 888 ", 0) == 0) {
                out.push_back(std::stoi(call.substr(8)));
            }
        }
        return out;
    }
};

} // namespace zqf::testing
