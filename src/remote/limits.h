#pragma once

#include <cstddef>

namespace zqf::remote {

// The bounds a remote client meets, the same from `zqfctl serve` and the desktop.
inline constexpr std::size_t max_message_bytes =
    64 * 1024;                                 // longer: -223, rest of the line dropped
inline constexpr std::size_t max_clients = 16; // the next one is closed at once
inline constexpr std::size_t max_unread_output = 1024 * 1024; // a client this far behind is closed
// What a client waiting for an operation to complete may send ahead.
inline constexpr std::size_t max_pending_input = 1024 * 1024;
// The instrument's own port, as instruments answer raw SCPI over TCP.
inline constexpr unsigned short default_port = 5025;

} // namespace zqf::remote
