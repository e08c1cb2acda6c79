#pragma once

#include "cli/session.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace zqf::cli::testing {

// A bench run in a folder of its own: the link choice file lives there, and
// the events, prints and errors are collected as text.
struct Bench {
    zqf::testing::TempDir folder;
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<Session> session;

    explicit Bench(RunOptions options = {})
        : session(std::make_unique<Session>(
              options, ProgramPaths{"/opt/zqf", (folder.path() / "comms_option.txt").string()}, out,
              err)) {}

    // Runs the lines and returns the exit status.
    int run(const std::string& script) { return session->run(script); }
    // Runs the lines and returns what they printed; the run must complete.
    std::string printed(const std::string& script) {
        out.str("");
        const int status = run(script);
        EXPECT_EQ(status, 0) << err.str();
        return out.str();
    }
    Program& program() { return session->program(); }
};

// The start window confirmed with the parallel port and the first device.
inline constexpr const char* confirm_par = "click deviceform.option_par\n"
                                           "click deviceform.Command1\n";

} // namespace zqf::cli::testing
