#pragma once

#include <span>
#include <string_view>

namespace zqf::cli {

// What `zqfctl --help` prints.
extern const std::string_view program_usage;

// The whole command line after the program's name (argv0 is the program's
// own); returns the exit status.
int run_command_line(std::span<const std::string_view> args, const char* argv0);

} // namespace zqf::cli
