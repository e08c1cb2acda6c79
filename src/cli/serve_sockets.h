#pragma once

#include "remote/instrument.h"
#include "remote/listen_address.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace zqf::cli {

class ServeTimers;

// The raw-socket side of `zqfctl serve`: one listening socket, the clients,
// and a single-threaded poll loop that moves their bytes to the instrument
// and its responses back. Bounded: the 17th client is closed at once, and a
// client that lets max_unread_output of responses pile up is closed.
class SocketServer {
  public:
    // Listens at `address`; the reason when it cannot.
    static std::variant<std::unique_ptr<SocketServer>, std::string>
    open(const remote::ListenAddress& address);
    ~SocketServer();
    SocketServer(const SocketServer&) = delete;
    SocketServer& operator=(const SocketServer&) = delete;

    // The address as bound, with the port the system chose for port 0.
    const remote::ListenAddress& bound() const { return bound_; }

    // Where the instrument's responses go: queued, and sent at once as far
    // as the client takes them.
    void send(remote::ClientId client, std::string_view bytes);

    // What the loop calls between events: after each one, so the program
    // frees what the event closed and its timers are looked at again.
    struct Loop {
        remote::Instrument* instrument = nullptr;
        ServeTimers* timers = nullptr;
        std::function<void()> after_tick;  // looks at the timers again; frees nothing
        std::function<void()> after_event; // and lets the program free what was closed
        int stop_fd = -1;                  // readable when the server is to stop (a signal)
    };
    // Serves until `stop_fd` becomes readable; returns the exit status.
    int run(const Loop& loop);

  private:
    struct Client {
        int fd = -1;
        remote::ClientId id = 0;
        std::string out;
        std::size_t sent = 0;
        bool dead = false;
    };

    SocketServer(int fd, remote::ListenAddress bound) : listen_fd_(fd), bound_(std::move(bound)) {}
    void accept_clients(remote::Instrument& instrument);
    void read_from(Client& client, remote::Instrument& instrument);
    void flush(Client& client);
    void bury(remote::Instrument& instrument);

    int listen_fd_;
    remote::ListenAddress bound_;
    std::map<remote::ClientId, Client> clients_;
};

} // namespace zqf::cli
