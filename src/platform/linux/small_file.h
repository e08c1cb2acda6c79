#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace zqf {

// Reads a whole, small, regular file. Refuses anything else (a directory, a pipe
// that would block, a device that never ends, a file above `max_bytes`), so a
// wrong path in a user's hands can never hang the program. On failure returns
// nothing and puts the reason into `error`.
std::optional<std::string> read_small_file(const std::filesystem::path& path, std::size_t max_bytes,
                                           std::string& error);

} // namespace zqf
