#include "cli/session.h"

#include "platform/chip_geometry.h"
#include "platform/linux/hardware_platform.h"

namespace zqf::cli {

Session::Session(const RunOptions& options, ProgramPaths paths, std::ostream& out,
                 std::ostream& err)
    : host_(out, err) {
    Platform& platform = platform_for(options, out);
    program_ = std::make_unique<Program>(host_, platform, std::move(paths));
    if (options.trace) {
        // Before the main window's own observer, so the word comes before its link events.
        program_->link().add_observer([&out](const SentWord& sent) {
            out << "send R" << sent.index << ' ' << sent.hex << '\n';
        });
    }
    runner_ = std::make_unique<ScriptRunner>(*program_, host_, board_.get(), out, err);
    program_->start();
}

Session::~Session() = default;

Platform& Session::platform_for(const RunOptions& options, std::ostream& out) {
    Platform* platform = nullptr;
    if (options.board == BoardChoice::hardware) {
        hardware_ = make_hardware_platform();
        platform = hardware_.get();
    } else {
        board_ = std::make_unique<VirtualBoard>([this] {
            return chip_geometry(program_ != nullptr ? program_->state().device_name : "");
        });
        if (options.os_code) {
            board_->set_os_version(*options.os_code);
        }
        if (options.claim_result) {
            board_->set_claim_result(*options.claim_result);
        }
        if (options.firmware_result) {
            board_->set_firmware_result(*options.firmware_result);
        }
        platform = board_.get();
    }
    if (!options.trace) {
        return *platform;
    }
    tracer_ = std::make_unique<TracingPlatform>(
        *platform, [&out](const std::string& line) { out << line << '\n'; });
    return *tracer_;
}

int Session::run(std::string_view script) {
    return runner_->run(script);
}

int Session::run(const ScriptRunner::NextLine& next_line) {
    return runner_->run(next_line);
}

} // namespace zqf::cli
