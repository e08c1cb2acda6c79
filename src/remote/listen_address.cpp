#include "remote/listen_address.h"

#include "remote/limits.h"

#include <charconv>

namespace zqf::remote {

std::string ListenAddress::text() const {
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

bool ListenAddress::loopback() const {
    return host == "localhost" || host == "::1" || host.starts_with("127.");
}

std::variant<ListenAddress, std::string> parse_listen_address(std::string_view text) {
    ListenAddress out;
    out.port = default_port;
    std::string_view host = text;
    std::string_view port;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) {
            return "'" + std::string(text) + "': an IPv6 address needs its closing ']'";
        }
        host = text.substr(1, close - 1);
        const std::string_view after = text.substr(close + 1);
        if (!after.empty()) {
            if (!after.starts_with(':')) {
                return "'" + std::string(text) + "': ']' must be followed by ':PORT'";
            }
            port = after.substr(1);
        }
    } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
        if (text.find(':') != colon) {
            return "'" + std::string(text) + "': write an IPv6 address as [ADDR]:PORT";
        }
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty()) {
            return "'" + std::string(text) + "': the port is missing after ':'";
        }
    }
    if (!host.empty()) {
        out.host = std::string(host);
    }
    if (!port.empty()) {
        unsigned value = 0;
        const auto [end, fault] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (fault != std::errc() || end != port.data() + port.size() || value > 65535) {
            return "'" + std::string(port) + "' is no port: a whole number from 0 to 65535";
        }
        out.port = static_cast<uint16_t>(value);
    }
    return out;
}

} // namespace zqf::remote
