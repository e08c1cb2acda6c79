// zqfctl: the headless twin of the desktop program. `zqfctl run` carries out a
// bench script against the same window models the desktop program shows.
#include "cli/run_options.h"
#include "cli/script_runner.h"
#include "cli/script_words.h"
#include "cli/session.h"
#include "core/settings/link_choice_file.h"
#include "files/bounded_read.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

using namespace zqf::cli;

constexpr std::string_view usage =
    "usage: zqfctl run [OPTIONS] SCRIPT (zqfctl --help tells more)\n";

int refuse(const std::string& reason) {
    std::cerr << "error: " << printable(reason) << '\n' << usage;
    return line_not_carried_out;
}

// The folder of the running executable, where the USB firmware file lies.
std::string program_dir(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path().string();
    }
    const std::filesystem::path invoked = std::filesystem::absolute(argv0, error);
    return error ? std::string(".") : invoked.parent_path().string();
}

int run(const std::vector<std::string_view>& args, const char* argv0) {
    const Outcome<RunOptions> parsed = parse_run_options(args);
    if (const Failure* failure = failure_of(parsed)) {
        return refuse(failure->reason);
    }
    const RunOptions& options = std::get<RunOptions>(parsed);
    const zqf::ProgramPaths paths{program_dir(argv0), std::string(zqf::link_choice_file_name)};
    if (options.script == "-") {
        // Line by line, so a program driving zqfctl through a pipe sees what
        // each line did before it sends the next.
        zqf::StandardInputLines input(zqf::script_kind);
        Session session(options, paths, std::cout, std::cerr);
        const int status = session.run([&input] { return input.next_line(); });
        if (status != run_completed || input.error().empty()) {
            return status;
        }
        std::cerr << "error: " << input.error() << '\n';
        return line_not_carried_out;
    }
    // A file is read whole before the program starts, so one that cannot be
    // read leaves no trace (no link choice file written, no port claimed).
    const zqf::FileRead script = zqf::read_bounded(options.script, zqf::script_kind);
    if (!script.ok()) {
        const bool hint = script.fault == zqf::FileRead::Fault::not_regular;
        return refuse(script.error +
                      (hint ? " (give - to read the script from standard input)" : ""));
    }
    Session session(options, paths, std::cout, std::cerr);
    return session.run(script.bytes);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        std::cout << run_usage;
        return 0;
    }
    if (args.empty() || args[0] != "run") {
        return refuse(args.empty() ? "no command named" : "unknown command " + quote(args[0]));
    }
    try {
        return run({args.begin() + 1, args.end()}, argv[0]);
    } catch (const std::exception& fault) {
        // A fault of the program itself, not of the script: say so rather than abort.
        std::cerr << "error: internal fault: " << fault.what() << '\n';
        return line_not_carried_out;
    }
}
