#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace zqf::remote {

// Where the instrument listens: a host (a numeric address or a name) and a port.
struct ListenAddress {
    std::string host = "127.0.0.1";
    uint16_t port = 5025;

    // "127.0.0.1:5025", "[::1]:5025".
    std::string text() const;
    // Only this machine can reach it.
    bool loopback() const;
};

// "ADDR:PORT", "[IPV6]:PORT", "ADDR" (port 5025) or ":PORT" (loopback);
// port 0 asks the system for a free one. Nothing but the reason when the
// text is none of these.
std::variant<ListenAddress, std::string> parse_listen_address(std::string_view text);

} // namespace zqf::remote
