#pragma once

#include "remote/panel.h"
#include "remote/program_message.h"
#include "remote/status_model.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {
class Program;
}

namespace zqf::remote {

using ClientId = uint64_t;

// What the instrument is told about its surroundings.
struct InstrumentSetup {
    std::string version;               // *IDN?'s fourth field
    std::optional<std::string> folder; // where MMEMory reads and writes; none: refused
    std::string link_problem;          // what the start window said of the link, if anything
};

// One remote command and what came of it, for the desktop's list.
struct Activity {
    uint64_t number;
    int64_t time_ms;
    std::string client;  // the peer's address
    std::string command; // as sent, shortened
    std::string outcome; // "" when it went through, else the error
};

// A connected client as the desktop lists it.
struct ClientInfo {
    ClientId id;
    std::string peer;
    uint64_t commands;
};

// The evaluation board as a SCPI instrument. Bytes come in from each client
// (receive) and responses go out through `send`; nothing here knows a socket.
// Each client has its own input, error queue and status registers; the
// commands of all clients are carried out one after another, in the order
// their lines arrive, on the program's own models through Panel.
class Instrument {
  public:
    using Send = std::function<void(ClientId, std::string_view)>;

    Instrument(Program& program, DivertingHost& host, InstrumentSetup setup, Send send);
    // Stops what remote commands started.
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    // A new client; nothing when max_clients are connected already.
    std::optional<ClientId> connect(std::string peer);
    // The client is gone; whatever it left unsent is dropped.
    void disconnect(ClientId client);
    // Bytes from the client: every complete line is carried out at once.
    void receive(ClientId client, std::string_view bytes);
    // False while a client waiting for an operation has max_pending_input
    // queued: its surroundings stop reading from it until it catches up.
    bool accepts_input(ClientId client) const;

    // Runs an exerciser's tick: what it says goes to the client that started
    // it, and clients waiting for the sweep to end go on once it has.
    void run_tick(const std::function<void()>& tick);
    // Lets waiting clients go on if their operation has ended some other way.
    void settle();

    std::size_t client_count() const { return sessions_.size(); }
    std::vector<ClientInfo> clients() const;
    const std::deque<Activity>& activity() const { return activity_; }
    // Moves on with every entry of the activity and every client come or gone.
    uint64_t revision() const { return revision_; }

    void set_folder(std::optional<std::string> folder) { setup_.folder = std::move(folder); }
    const std::optional<std::string>& folder() const { return setup_.folder; }
    const std::string& version() const { return setup_.version; }
    const std::string& link_problem() const { return setup_.link_problem; }
    Panel& panel() { return panel_; }
    Program& program() { return program_; }

    // The sweep and list settings clients make, shared by all of them.
    enum class Mode { cw, sweep, list };
    struct Exerciser {
        Mode mode = Mode::cw;
        std::optional<double> start_hz, stop_hz, sweep_dwell_ms;
        std::optional<double> f1_hz, f2_hz, list_dwell_ms;
        std::optional<ClientId> owner; // who started the running one
    };
    Exerciser& exerciser() { return exerciser_; }

    struct Session;

  private:
    void carry_out(Session& session);
    void run_message(Session& session, std::string_view message, bool continuing);
    // What a waiting client waits for has happened: it goes on.
    void resume(Session& session);
    void log(const Session& session, std::string_view command, const std::string& outcome);

    Program& program_;
    DivertingHost& host_;
    InstrumentSetup setup_;
    Send send_;
    Panel panel_;
    std::map<ClientId, std::unique_ptr<Session>> sessions_;
    ClientId next_id_ = 1;
    Exerciser exerciser_;
    std::deque<Activity> activity_;
    uint64_t activity_number_ = 0;
    uint64_t revision_ = 0;
};

} // namespace zqf::remote
