#pragma once

#include "cli/outcome.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zqf::cli {

enum class BoardChoice { virtual_board, hardware };

// The options of `zqfctl run`. The virtual board's answers stay unset unless
// named, so the board keeps its own defaults.
struct RunOptions {
    BoardChoice board = BoardChoice::virtual_board;
    std::optional<int16_t> os_code;         // --os CODE
    std::optional<int16_t> claim_result;    // --claim ok|fail: 1 or 0
    std::optional<int16_t> firmware_result; // --adapter present|absent: 0 or -1
    bool trace = false;                     // --trace
    std::string vcd;                        // --vcd FILE: record the bus; empty: not
    std::string script;                     // a path, or "-" for standard input
};

inline constexpr std::string_view run_usage =
    "usage: zqfctl run [--board virtual|hardware] [--os CODE] [--claim ok|fail]\n"
    "                  [--adapter present|absent] [--trace] [--vcd FILE] SCRIPT\n"
    "--vcd FILE records the serial interface as a Value Change Dump (the virtual board\n"
    "draws it in synthetic time, the same on every run).\n"
    "SCRIPT is a file of bench-script lines, or - for standard input. One command a line:\n"
    "  click|dblclick|drop FORM.CONTROL    type FORM.CONTROL TEXT\n"
    "  choose|turn FORM.CONTROL N          close FORM          wait MS\n"
    "  file PATH|cancel (answers the next file dialog; without one it is cancelled)\n"
    "  let state.NAME[K] VALUE             send K\n"
    "  print WHAT    check WHAT VALUE      WHAT: FORM.CONTROL[.PROPERTY], FORM.focus,\n"
    "                                      FORM.caption, state.NAME[K];\n"
    "                                      print only: board, buslog, chip\n"
    "Exit status: 0 at the end, 1 after a failed check, 2 after a line that cannot be\n"
    "carried out or when the --vcd recording could not be written.\n";

// The arguments after "run": options in any order (each as "--name value" or
// "--name=value"), then the script.
Outcome<RunOptions> parse_run_options(std::span<const std::string_view> args);

} // namespace zqf::cli
