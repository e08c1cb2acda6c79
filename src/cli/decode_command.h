#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace zqf::cli {

inline constexpr std::string_view decode_usage =
    "usage: zqfctl decode --device NAME [--json] WORD...\n"
    "Splits each register word into the named fields of its register; the register\n"
    "is the one the word's address bits name. NAME is a device of the start window\n"
    "(ZQF7310, ZQF7320, ZQF7610, ZQF7620, ZQF7340, ZQF7350). A WORD is hexadecimal\n"
    "with 0x (0x00AF00) or decimal, and fits the device's transfer width.\n"
    "  --json   the fields as a JSON document, as `zqfctl export --format json` writes\n"
    "Exit status: 0 when every word was decoded; 2 for bad usage or a word the device\n"
    "cannot take (too wide, or address bits that name none of its registers), in which\n"
    "case nothing is printed.\n";

// `zqfctl decode`: the arguments after the command's name.
int decode_command(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

} // namespace zqf::cli
