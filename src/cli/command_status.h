#pragma once

namespace zqf::cli {

// How the commands besides `run` end.
inline constexpr int command_done = 0;
// Bad usage, a settings file the program refuses, a word the device cannot
// take, an output that cannot be written.
inline constexpr int command_refused = 2;
// The link to the board is not ready, or a word did not go out over it.
inline constexpr int command_link_failed = 3;

} // namespace zqf::cli
