#pragma once

#include "core/ui/observable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zqf {

// One remote command and what came of it.
struct RemoteCommand {
    int64_t time_ms;
    std::string client;  // the peer's address
    std::string command; // as sent, shortened
    std::string outcome; // empty when it went through, else the error queued
};

// The board as an instrument, as the surroundings offer it: the desktop
// listens for SCPI clients through it (`zqfctl run` has none). Observers are
// told whenever it starts, stops, a client comes or goes or a command runs.
class RemoteService : public Observable {
  public:
    virtual ~RemoteService() = default;

    // Listens at `address` ("ADDR:PORT"), MMEMory confined to `folder` (no
    // MMEMory when empty); the reason when it cannot.
    virtual std::optional<std::string> start(const std::string& address,
                                             const std::string& folder) = 0;
    // Closes every client and stops listening; what clients started stops.
    virtual void stop() = 0;
    virtual bool listening() const = 0;
    // The address as bound, the port the system chose included.
    virtual std::string address() const = 0;
    // The connected clients' addresses.
    virtual std::vector<std::string> clients() const = 0;
    // The last remote commands, oldest first.
    virtual std::vector<RemoteCommand> recent() const = 0;
    // Moves on with every change the observers are told of.
    virtual uint64_t revision() const = 0;

  protected:
    void changed() { notify(); }
};

} // namespace zqf
