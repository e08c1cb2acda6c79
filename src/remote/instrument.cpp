#include "remote/instrument.h"

#include "core/windows/program.h"
#include "remote/command_call.h"
#include "remote/limits.h"

#include <algorithm>

namespace zqf::remote {

namespace {

// How many commands the desktop's list keeps, and how much of each.
constexpr std::size_t activity_kept = 200;
constexpr std::size_t command_shown = 120;

std::string shortened(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, command_shown)) {
        const auto u = static_cast<unsigned char>(c);
        out += u < 0x20 || u == 0x7F ? ' ' : c;
    }
    if (text.size() > command_shown) {
        out += "...";
    }
    return out;
}

struct Dispatch {
    const CommandRow* row = nullptr;
    HeaderPattern::Suffixes suffixes;
};

// The compiled headers of the command table, built once.
const std::vector<std::pair<HeaderPattern, const CommandRow*>>& patterns() {
    static const auto compiled = [] {
        std::vector<std::pair<HeaderPattern, const CommandRow*>> out;
        for (const CommandRow& row : command_rows()) {
            out.emplace_back(HeaderPattern(row.header), &row);
        }
        return out;
    }();
    return compiled;
}

Dispatch find_command(const Header& header, const std::vector<Mnemonic>& nodes) {
    for (const auto& [pattern, row] : patterns()) {
        const bool common = row->header.starts_with('*');
        if (common != header.common || row->query != header.query) {
            continue;
        }
        if (common) {
            const Mnemonic& typed = nodes.front();
            if (!typed.suffix && is_keyword(typed.name, row->header.substr(1))) {
                return {row, {}};
            }
            continue;
        }
        if (std::optional<HeaderPattern::Suffixes> suffixes = pattern.match(nodes)) {
            return {row, std::move(*suffixes)};
        }
    }
    return {};
}

} // namespace

Got<int> suffix(const Call& call, std::size_t slot, int fallback, int low, int high) {
    const std::optional<uint32_t> written =
        slot < call.suffixes.size() ? call.suffixes[slot] : std::nullopt;
    if (!written) {
        return fallback;
    }
    if (*written < static_cast<uint32_t>(low) || *written > static_cast<uint32_t>(high)) {
        return ScpiError{ErrorCode::header_suffix_out_of_range,
                         "the suffix " + std::to_string(*written) + " is outside " +
                             std::to_string(low) + " to " + std::to_string(high)};
    }
    return static_cast<int>(*written);
}

Instrument::Instrument(Program& program, DivertingHost& host, InstrumentSetup setup, Send send)
    : program_(program), host_(host), setup_(std::move(setup)), send_(std::move(send)),
      panel_(program, host) {}

Instrument::~Instrument() {
    panel_.abort();
}

std::optional<ClientId> Instrument::connect(std::string peer) {
    if (sessions_.size() >= max_clients) {
        return std::nullopt;
    }
    auto session = std::make_unique<Session>();
    session->id = next_id_++;
    session->peer = std::move(peer);
    const ClientId id = session->id;
    sessions_.emplace(id, std::move(session));
    ++revision_;
    return id;
}

void Instrument::disconnect(ClientId client) {
    if (sessions_.erase(client) > 0) {
        ++revision_;
    }
    if (exerciser_.owner == client) {
        exerciser_.owner.reset();
    }
}

std::vector<ClientInfo> Instrument::clients() const {
    std::vector<ClientInfo> out;
    for (const auto& [id, session] : sessions_) {
        out.push_back({id, session->peer, session->commands});
    }
    return out;
}

bool Instrument::accepts_input(ClientId client) const {
    const auto it = sessions_.find(client);
    return it != sessions_.end() &&
           it->second->input.size() - it->second->consumed < max_pending_input;
}

void Instrument::receive(ClientId client, std::string_view bytes) {
    const auto it = sessions_.find(client);
    if (it == sessions_.end()) {
        return;
    }
    Session& session = *it->second;
    session.input.append(bytes);
    carry_out(session);
    // A command may have ended the sweep others wait for.
    settle();
}

void Instrument::carry_out(Session& session) {
    while (!session.waiting) {
        const std::string_view pending = std::string_view(session.input).substr(session.consumed);
        const std::size_t end = pending.find('\n');
        if (session.discarding) {
            if (end == std::string_view::npos) {
                session.input.clear();
                session.consumed = 0;
                return;
            }
            session.consumed += end + 1;
            session.discarding = false;
            continue;
        }
        if (end == std::string_view::npos) {
            if (pending.size() > max_message_bytes) {
                session.status.report({ErrorCode::too_much_data,
                                       "a message may hold 64 KiB; the rest of this line is "
                                       "dropped"});
                log(session, pending.substr(0, 40), "-223");
                session.discarding = true;
                session.input.clear();
                session.consumed = 0;
            }
            break;
        }
        std::string_view line = pending.substr(0, end);
        session.consumed += end + 1;
        if (line.size() > max_message_bytes) {
            session.status.report(
                {ErrorCode::too_much_data, "a message may hold 64 KiB; this one was dropped"});
            log(session, line.substr(0, 40), "-223");
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string message(line);
        run_message(session, message, false);
    }
    if (session.consumed > 0 && session.consumed == session.input.size()) {
        session.input.clear();
        session.consumed = 0;
    } else if (session.consumed > max_message_bytes) {
        session.input.erase(0, session.consumed);
        session.consumed = 0;
    }
}

void Instrument::run_message(Session& session, std::string_view message, bool continuing) {
    MessageParser parser(message, continuing);
    if (!continuing) {
        session.path.clear();
    }
    for (;;) {
        MessageParser::Next next = parser.next();
        if (std::holds_alternative<MessageParser::End>(next)) {
            break;
        }
        if (auto* failure = std::get_if<ScpiError>(&next)) {
            log(session, message, failure->response());
            session.status.report(std::move(*failure));
            break;
        }
        const ProgramUnit& unit = std::get<ProgramUnit>(next);
        ++session.commands;
        std::vector<Mnemonic> nodes;
        if (!unit.header.common && !unit.header.rooted) {
            nodes = session.path;
        }
        nodes.insert(nodes.end(), unit.header.nodes.begin(), unit.header.nodes.end());
        const Dispatch dispatch = find_command(unit.header, nodes);
        if (dispatch.row == nullptr) {
            ScpiError undefined{ErrorCode::undefined_header,
                                "'" + shortened(unit.text) + "' is no command"};
            log(session, unit.text, undefined.response());
            session.status.report(std::move(undefined));
            break;
        }
        if (!unit.header.common) {
            nodes.pop_back();
            session.path = std::move(nodes);
        }
        Call call{*this, session, unit.parameters, dispatch.suffixes};
        Reply reply = dispatch.row->run(call);
        if (auto* text = std::get_if<std::string>(&reply)) {
            session.response += (session.response.empty() ? "" : ";") + *text;
            log(session, unit.text, "");
        } else if (auto* failure = std::get_if<ScpiError>(&reply)) {
            log(session, unit.text, failure->response());
            const bool command_error = error_class(failure->code) == ErrorClass::command;
            session.status.report(std::move(*failure));
            // A command error leaves the parser unsure of the rest.
            if (command_error) {
                break;
            }
        } else if (const auto* wait = std::get_if<WaitForOperations>(&reply)) {
            log(session, unit.text, "");
            if (panel_.sweeping()) {
                session.waiting = true;
                session.answer_when_done = wait->answer;
                session.held = std::string(parser.remaining());
                return;
            }
            if (wait->answer) {
                session.response += (session.response.empty() ? "" : ";") + std::string("1");
            }
        } else {
            log(session, unit.text, "");
        }
    }
    if (!session.response.empty()) {
        session.response += '\n';
        const std::string out = std::move(session.response);
        session.response.clear();
        send_(session.id, out);
    }
}

void Instrument::resume(Session& session) {
    session.waiting = false;
    if (session.answer_when_done) {
        session.response += (session.response.empty() ? "" : ";") + std::string("1");
    }
    const std::string held = std::move(session.held);
    session.held.clear();
    run_message(session, held, true);
    carry_out(session);
}

void Instrument::settle() {
    if (panel_.sweeping()) {
        return;
    }
    std::vector<ClientId> ready;
    for (auto& [id, session] : sessions_) {
        if (session->opc_armed) {
            session->opc_armed = false;
            session->status.set_event(StatusModel::operation_complete);
        }
        if (session->waiting) {
            ready.push_back(id);
        }
    }
    for (const ClientId id : ready) {
        if (const auto it = sessions_.find(id); it != sessions_.end()) {
            resume(*it->second);
        }
    }
}

void Instrument::run_tick(const std::function<void()>& tick) {
    Prompts said;
    {
        const DivertingHost::Diversion diversion(host_, said);
        tick();
    }
    if (said.refused() && exerciser_.owner) {
        if (const auto it = sessions_.find(*exerciser_.owner); it != sessions_.end()) {
            const std::string text = said.text();
            it->second->status.report(
                {ErrorCode::execution_error,
                 "the running sweep or hop stopped: " +
                     (text.empty() ? std::string("it could not use its entries") : text)});
        }
    }
    settle();
}

void Instrument::log(const Session& session, std::string_view command, const std::string& outcome) {
    activity_.push_back(
        {++activity_number_, program_.host().now_ms(), session.peer, shortened(command), outcome});
    while (activity_.size() > activity_kept) {
        activity_.pop_front();
    }
    ++revision_;
}

} // namespace zqf::remote
