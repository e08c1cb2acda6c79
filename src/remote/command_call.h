#pragma once

#include "remote/header_pattern.h"
#include "remote/instrument.h"
#include "remote/parameters.h"

#include <span>
#include <string>
#include <variant>
#include <vector>

namespace zqf::remote {

// One client of the instrument.
struct Instrument::Session {
    ClientId id = 0;
    std::string peer;
    uint64_t commands = 0;
    StatusModel status;

    // Bytes received and not yet carried out, from `consumed` on.
    std::string input;
    std::size_t consumed = 0;
    // After a message too long: its rest is dropped up to its LF.
    bool discarding = false;

    // The responses of the message being carried out, and the header path
    // its relative headers start from.
    std::string response;
    std::vector<Mnemonic> path;

    // *WAI or *OPC? while the sweep runs: the rest of the message waits.
    bool waiting = false;
    bool answer_when_done = false;
    std::string held;
    // *OPC given while the sweep ran: the bit is set when it ends.
    bool opc_armed = false;
};

// The client waits until no operation is pending; then `answer` tells
// whether "1" is the response (*OPC?) or there is none (*WAI).
struct WaitForOperations {
    bool answer;
};

using Reply = std::variant<std::monostate, std::string, ScpiError, WaitForOperations>;

// What a command handler gets: the instrument, the client and what it sent.
struct Call {
    Instrument& instrument;
    Instrument::Session& session;
    std::span<const Parameter> data;
    const HeaderPattern::Suffixes& suffixes;

    Panel& panel() const { return instrument.panel(); }
};

// The numeric suffix of the header's `slot`th numbered node: `fallback` when
// none was written, a -114 error outside low to high.
Got<int> suffix(const Call& call, std::size_t slot, int fallback, int low, int high);

struct CommandRow {
    std::string_view header; // as HeaderPattern spells it
    bool query;
    Reply (*run)(Call& call);
};

// Every command and query the instrument knows, common commands included
// ("*IDN"), each a row.
std::span<const CommandRow> command_rows();

// Number texts of responses: a frequency or other real as the program's
// general form, a whole number in decimal.
std::string number_response(double value);

} // namespace zqf::remote
