#pragma once

#include "cli/headless_host.h"
#include "cli/run_options.h"
#include "cli/script_runner.h"
#include "core/windows/program.h"
#include "platform/recording_platform.h"
#include "platform/tracing_platform.h"
#include "platform/virtual_board.h"

#include <memory>
#include <ostream>
#include <string_view>

namespace zqf::cli {

// One run of `zqfctl run`: the board the options name (with a trace of every
// call when asked, and a recording of the bus when asked), the headless host
// and the program, started as the desktop program starts.
class Session {
  public:
    Session(const RunOptions& options, ProgramPaths paths, std::ostream& out, std::ostream& err);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Carries out the lines of `script` and finishes a recording under way;
    // returns the run's exit status.
    int run(std::string_view script);
    int run(const ScriptRunner::NextLine& next_line);

    Program& program() { return *program_; }
    HeadlessHost& host() { return host_; }
    // The virtual board, or nullptr with --board hardware.
    VirtualBoard* board() { return board_.get(); }

  private:
    Platform& platform_for(const RunOptions& options, std::ostream& out);
    // The status of a run that ended with `status`, once a recording under
    // way is in its file.
    int finished(int status);
    // Puts a recording under way in its file; false when the --vcd recording
    // or the one under way was lost (said on the error stream).
    bool finish_recording();

    std::ostream& err_;
    std::string vcd_;
    bool vcd_refused_ = false;
    std::unique_ptr<VirtualBoard> board_;
    std::unique_ptr<Platform> hardware_;
    std::unique_ptr<RecordingPlatform> recorder_;
    std::unique_ptr<TracingPlatform> tracer_;
    HeadlessHost host_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<ScriptRunner> runner_;
};

} // namespace zqf::cli
