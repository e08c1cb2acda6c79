#pragma once

#include "core/link/platform.h"
#include "core/windows/program.h"

#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace zqf::cli {

inline constexpr std::string_view write_usage =
    "usage: zqfctl write FILE [--link par|usb] [--board hardware|virtual] [--trace]\n"
    "                    [--os CODE] [--claim ok|fail] [--adapter present|absent]\n"
    "Programs a board without a display: prepares the link as the start window does\n"
    "(the port claim, or the firmware load and detection), loads FILE as File > Get\n"
    "Settings does, then writes every register in the order of `zqfctl export`.\n"
    "  --link par|usb    the link; without it, the one remembered in comms_option.txt\n"
    "                    (the start window rewrites that file, as zqfeval does)\n"
    "  --board hardware  (the default) the parallel port or the USB adapter\n"
    "  --board virtual   the virtual board, whose answers --os, --claim and --adapter\n"
    "                    set as for `zqfctl run`\n"
    "  --trace           every word sent and every call to the port or the adapter\n"
    "Exit status: 0 when the link was ready and every word went out; 2 for bad usage,\n"
    "a settings file the program refuses (with its reason) or a word that would not be\n"
    "sent; 3 when the link is not ready or a word did not go out. A failure is one\n"
    "line on standard error.\n";

// What to write, and where.
struct WriteRequest {
    std::string file;
    std::string link_option; // "option_par" or "option_usb"
    bool trace = false;
};

// What the write learns from its surroundings.
struct WriteHooks {
    // Told of the program once it exists, so that a virtual board can ask it
    // which chip is mounted.
    std::function<void(Program&)> started;
    // What the hardware has logged so far: a line logged once the words go
    // out tells of one that did not (a parallel-port write has no result).
    std::function<std::string()> hardware_log;
};

// Writes the settings file over `platform` (the board, traced when asked);
// returns the exit status.
int write_settings(const WriteRequest& request, Platform& platform, const ProgramPaths& paths,
                   std::ostream& out, std::ostream& err, const WriteHooks& hooks = {});

// `zqfctl write`: the arguments after the command's name.
int write_command(std::span<const std::string_view> args, const std::string& program_dir,
                  std::ostream& out, std::ostream& err);

} // namespace zqf::cli
