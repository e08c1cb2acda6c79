#pragma once

#include "core/windows/program.h"
#include "platform/virtual_board.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace zqf::cli {

// What a command's virtual board answers, where the command line said so
// (--os, --claim, --adapter); unset answers keep the board's own defaults.
struct BoardAnswers {
    std::optional<int16_t> os_code;
    std::optional<int16_t> claim_result;
    std::optional<int16_t> firmware_result;
};

// A virtual board with those answers, carrying the chip of the program
// `running` points to once it runs (a 24-bit one before).
std::unique_ptr<VirtualBoard> make_virtual_board(Program* const& running,
                                                 const BoardAnswers& answers);

} // namespace zqf::cli
