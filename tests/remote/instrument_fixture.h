#pragma once

#include "core/windows/names/device_controls.h"
#include "core/windows/program_fixture.h"
#include "remote/instrument.h"

#include <map>
#include <string>

namespace zqf::remote::testing {

// A confirmed program on a virtual board behind the instrument; what each
// client is sent is kept, and whatever reached the real host (which a remote
// command must never do) is in `host.events`.
struct InstrumentBench {
    zqf::testing::TempDir folder;
    zqf::testing::RecordingHost host;
    DivertingHost diverting{host};
    VirtualBoard board{[this] { return chip_geometry(program.state().device_name); }};
    Program program{
        diverting, board, {folder.path().string(), (folder.path() / "comms_option.txt").string()}};
    std::map<ClientId, std::string> sent;
    Instrument instrument{
        program,
        diverting,
        {"9.9", folder.path().string(), {}},
        [this](ClientId client, std::string_view bytes) { sent[client] += bytes; }};

    explicit InstrumentBench(std::string_view device_option = "Option1") {
        program.start();
        program.find("deviceform")->get<OptionButton>(device_option).user_click();
        program.find("deviceform")->get(device_controls::option_usb).user_click();
        program.find("deviceform")->get(device_controls::Command1).user_click();
        program.collect();
        host.events.clear();
    }

    // Sends the lines and returns what came back, emptying the client's output.
    std::string ask(ClientId client, const std::string& lines) {
        instrument.receive(client, lines);
        program.collect();
        return std::exchange(sent[client], {});
    }
    ClientId client() { return *instrument.connect("test"); }
};

} // namespace zqf::remote::testing
