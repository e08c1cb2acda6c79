#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace zqf::cli {

inline constexpr std::string_view export_usage =
    "usage: zqfctl export FILE [--format hex|c|csv|json] [-o OUT]\n"
    "Prints the register words that File > Get Settings of FILE followed by a write of\n"
    "all registers would send, in that order (\"Update All Registers\" for the ZQF7610\n"
    "and ZQF7620). The program starts as if the start window had been confirmed with\n"
    "the device FILE names (a ZQF7610 file as the ZQF7620), without a link.\n"
    "  --format hex    (the default) one line a word: R<k>, a tab, 0x and the word in\n"
    "                  upper-case hex, 6 digits for 24-bit devices, 8 for 32-bit ones\n"
    "  --format c      a C header: #define per register, uint32_t array in write order\n"
    "  --format csv    register, word, bits, one column per field (key[high:low])\n"
    "  --format json   device, transfer width, every register's fields with their bits\n"
    "  -o, --output OUT  write to OUT (replaced atomically) instead of standard output;\n"
    "                  - is standard output. OUT must be a regular file or none yet (a\n"
    "                  link is followed to the file it names), and not FILE itself\n"
    "Exit status: 0 when written; 2 for bad usage, a settings file the program refuses\n"
    "(with its reason), a word that would not be sent, or an OUT that cannot be written.\n";

// `zqfctl export`: the arguments after the command's name.
int export_command(std::span<const std::string_view> args, const std::string& program_dir,
                   std::ostream& out, std::ostream& err);

} // namespace zqf::cli
