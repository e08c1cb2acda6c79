#include "cli/session.h"

#include "platform/chip_geometry.h"
#include "platform/linux/hardware_platform.h"

namespace zqf::cli {

Session::Session(const RunOptions& options, ProgramPaths paths, std::ostream& out,
                 std::ostream& err)
    : err_(err), vcd_(options.vcd), host_(out, err) {
    Platform& platform = platform_for(options, out);
    program_ = std::make_unique<Program>(host_, platform, std::move(paths));
    program_->set_bus_recording(recorder_.get());
    // A script read from standard input is kept too when that is a file.
    host_.set_script(options.script == "-" ? regular_file_on(0) : identity_of(options.script));
    if (!vcd_.empty()) {
        std::optional<std::string> failure = host_.refusal_to_write(vcd_);
        if (!failure) {
            failure = recorder_->start(vcd_);
        }
        if (failure) {
            err_ << "error: cannot record the bus: " << *failure << '\n';
            vcd_refused_ = true;
        }
    }
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
    // The virtual board's recordings are drawn in synthetic time, the same on every run.
    recorder_ = std::make_unique<RecordingPlatform>(
        *platform, board_ != nullptr ? MonotonicClock{} : MonotonicClock{steady_nanoseconds});
    if (!options.trace) {
        return *recorder_;
    }
    tracer_ = std::make_unique<TracingPlatform>(
        *recorder_, [&out](const std::string& line) { out << line << '\n'; });
    return *tracer_;
}

int Session::run(std::string_view script) {
    return finished(runner_->run(script));
}

int Session::run(const ScriptRunner::NextLine& next_line) {
    return finished(runner_->run(next_line));
}

int Session::finished(int status) {
    const bool recorded = finish_recording();
    return status == run_completed && !recorded ? line_not_carried_out : status;
}

bool Session::finish_recording() {
    if (recorder_->recording()) {
        if (const std::optional<std::string> failure = recorder_->stop()) {
            err_ << "error: the bus recording could not be saved: " << *failure << '\n';
            return false;
        }
        return !vcd_refused_;
    }
    if (!vcd_.empty() && recorder_->path() == vcd_ && recorder_->lost()) {
        err_ << "error: the bus recording was not written: " << *recorder_->lost() << '\n';
        return false;
    }
    return !vcd_refused_;
}

} // namespace zqf::cli
