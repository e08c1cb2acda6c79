#pragma once

#include "cli/session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace zqf::cli::testing {

// A bench run in a folder of its own: the link choice file lives there, and
// the events, prints and errors are collected as text.
struct Bench {
    std::filesystem::path dir = make_dir();
    std::ostringstream out;
    std::ostringstream err;
    std::unique_ptr<Session> session;

    explicit Bench(RunOptions options = {}, std::string link_choice = {}) {
        if (!link_choice.empty()) {
            std::ofstream(dir / "comms_option.txt", std::ios::binary) << link_choice;
        }
        session = std::make_unique<Session>(
            options, ProgramPaths{"/opt/zqf", (dir / "comms_option.txt").string()}, out, err);
    }
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;
    ~Bench() {
        session.reset();
        std::filesystem::remove_all(dir);
    }

    // Runs the lines and returns the exit status.
    int run(const std::string& script) {
        std::istringstream in(script);
        return session->run(in);
    }
    // Runs the lines and returns what they printed; the run must complete.
    std::string printed(const std::string& script) {
        out.str("");
        const int status = run(script);
        EXPECT_EQ(status, 0) << err.str();
        return out.str();
    }
    Program& program() { return session->program(); }

    static std::filesystem::path make_dir() {
        std::random_device seed;
        auto path = std::filesystem::temp_directory_path() / ("zqf-cli-" + std::to_string(seed()));
        std::filesystem::create_directories(path);
        return path;
    }
};

// The start window confirmed with the parallel port and the first device.
inline constexpr const char* confirm_par = "click deviceform.option_par\n"
                                           "click deviceform.Command1\n";

} // namespace zqf::cli::testing
