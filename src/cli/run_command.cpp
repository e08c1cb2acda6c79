#include "cli/run_command.h"

#include "cli/program_dir.h"
#include "cli/run_options.h"
#include "cli/script_runner.h"
#include "cli/script_words.h"
#include "cli/session.h"
#include "core/settings/link_choice_file.h"
#include "files/bounded_read.h"

#include <iostream>
#include <vector>

namespace zqf::cli {

namespace {

constexpr std::string_view usage =
    "usage: zqfctl run [OPTIONS] SCRIPT (zqfctl run --help tells more)\n";

int refuse(const std::string& reason) {
    std::cerr << "error: " << printable(reason) << '\n' << usage;
    return line_not_carried_out;
}

} // namespace

int run_script_command(std::span<const std::string_view> args, const char* argv0) {
    const Outcome<RunOptions> parsed = parse_run_options(args);
    if (const Failure* failure = failure_of(parsed)) {
        return refuse(failure->reason);
    }
    const RunOptions& options = std::get<RunOptions>(parsed);
    const ProgramPaths paths{program_dir(argv0), std::string(link_choice_file_name)};
    if (options.script == "-") {
        // Line by line, so a program driving zqfctl through a pipe sees what
        // each line did before it sends the next.
        StandardInputLines input(script_kind);
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
    const FileRead script = read_bounded(options.script, script_kind);
    if (!script.ok()) {
        const bool hint = script.fault == FileRead::Fault::not_regular;
        return refuse(script.error +
                      (hint ? " (give - to read the script from standard input)" : ""));
    }
    Session session(options, paths, std::cout, std::cerr);
    return session.run(script.bytes);
}

} // namespace zqf::cli
