#include "cli/board_answers.h"

#include "platform/chip_geometry.h"

namespace zqf::cli {

std::unique_ptr<VirtualBoard> make_virtual_board(Program* const& running,
                                                 const BoardAnswers& answers) {
    auto board = std::make_unique<VirtualBoard>([&running] {
        return running != nullptr ? chip_geometry(running->state().device_name) : ChipGeometry{};
    });
    if (answers.os_code) {
        board->set_os_version(*answers.os_code);
    }
    if (answers.claim_result) {
        board->set_claim_result(*answers.claim_result);
    }
    if (answers.firmware_result) {
        board->set_firmware_result(*answers.firmware_result);
    }
    return board;
}

} // namespace zqf::cli
