#pragma once

#include "cli/outcome.h"
#include "remote/listen_address.h"

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace zqf::cli {

inline constexpr std::string_view serve_usage =
    "usage: zqfctl serve [--device D] [--link usb|par] [--board virtual|hardware]\n"
    "                    [--settings FILE] [--listen ADDR:PORT] [--files DIR]\n"
    "                    [--claim ok|fail] [--adapter present|absent]\n"
    "The board as a SCPI instrument over raw TCP (a VISA \"socket\" resource): starts as\n"
    "the start window confirmed with the device and link does (or with the device a\n"
    "settings file names, loaded as File > Get Settings loads it), then carries out\n"
    "the commands of up to 16 clients until it is stopped (SIGINT, SIGTERM).\n"
    "  --device D        ZQF7310 (the default), ZQF7320, ZQF7610, ZQF7620, ZQF7340, ZQF7350\n"
    "  --link par|usb    the link; without it, the one remembered in comms_option.txt\n"
    "  --board hardware  (the default) the parallel port or the USB adapter;\n"
    "  --board virtual   the virtual board, whose answers --claim and --adapter set\n"
    "  --settings FILE   a settings file to load at the start (not with --device)\n"
    "  --listen ADDR:PORT  where to listen; 127.0.0.1:5025 unless given. There is no\n"
    "                    authentication, as with instruments: listen on another address\n"
    "                    only on a trusted network, or tunnel (ssh -L 5025:127.0.0.1:5025)\n"
    "  --files DIR       the folder MMEMory:LOAD:STATe and MMEMory:STORe:STATe use;\n"
    "                    without it, those commands are refused\n"
    "Prints \"listening on ADDR:PORT\" once it listens. Exit status: 0 when stopped, 2 for\n"
    "bad usage or a settings file refused, 3 when it cannot listen. See zqfctl(1).\n";

// `zqfctl serve`: the arguments after the command's name.
int serve_command(std::span<const std::string_view> args, const std::string& program_dir,
                  std::ostream& out, std::ostream& err);

} // namespace zqf::cli
