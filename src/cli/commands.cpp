#include "cli/commands.h"

#include "cli/command_status.h"
#include "cli/decode_command.h"
#include "cli/export_command.h"
#include "cli/program_dir.h"
#include "cli/run_command.h"
#include "cli/run_options.h"
#include "cli/script_words.h"
#include "cli/serve_command.h"
#include "cli/write_command.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <string>

namespace zqf::cli {

namespace {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(std::span<const std::string_view> args, const char* argv0);
};

int decode(std::span<const std::string_view> args, const char*) {
    return decode_command(args, std::cout, std::cerr);
}

int export_words(std::span<const std::string_view> args, const char* argv0) {
    return export_command(args, program_dir(argv0), std::cout, std::cerr);
}

int write(std::span<const std::string_view> args, const char* argv0) {
    return write_command(args, program_dir(argv0), std::cout, std::cerr);
}

int serve(std::span<const std::string_view> args, const char* argv0) {
    return serve_command(args, program_dir(argv0), std::cout, std::cerr);
}

constexpr std::array<Command, 5> commands{{
    {"run", run_usage, run_script_command},
    {"export", export_usage, export_words},
    {"decode", decode_usage, decode},
    {"write", write_usage, write},
    {"serve", serve_usage, serve},
}};

bool asks_for_help(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

} // namespace

const std::string_view program_usage =
    "usage: zqfctl COMMAND [OPTIONS] [ARGUMENTS]\n"
    "       zqfctl --help | --version\n"
    "The headless twin of zqfeval, the evaluation program of the ZQF7xx0 PLL\n"
    "frequency synthesizers: the same window models, without a display.\n"
    "\n"
    "Commands:\n"
    "  run      carry out a bench script against the program's windows\n"
    "  export   the register words of a settings file: hex, C header, CSV or JSON\n"
    "  decode   split register words into the named fields of their registers\n"
    "  write    program a board with a settings file\n"
    "  serve    the board as a SCPI instrument over TCP (port 5025)\n"
    "\n"
    "zqfctl COMMAND --help tells more of each command.\n"
    "\n"
    "Exit status:\n"
    "  0  done\n"
    "  1  run: a check of the bench script failed\n"
    "  2  bad usage, a line of a bench script that cannot be carried out, a settings\n"
    "     file the program refuses, a word a device cannot take or that would not be\n"
    "     sent, an output file that cannot be written\n"
    "  3  write: the link to the board is not ready, or a word did not go out\n"
    "Every failure is told on standard error.\n";

int run_command_line(std::span<const std::string_view> args, const char* argv0) {
    if (args.empty()) {
        std::cerr << "error: no command named\n" << program_usage;
        return command_refused;
    }
    if (asks_for_help(args[0]) || args[0] == "help") {
        std::cout << program_usage;
        return command_done;
    }
    if (args[0] == "--version") {
        std::cout << "zqfctl " << ZQF_VERSION << '\n';
        return command_done;
    }
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&args](const Command& c) { return c.name == args[0]; });
    if (command == commands.end()) {
        std::cerr << "error: unknown command " << quote(args[0]) << '\n' << program_usage;
        return command_refused;
    }
    const std::span<const std::string_view> rest = args.subspan(1);
    if (std::any_of(rest.begin(), rest.end(), asks_for_help)) {
        std::cout << command->usage;
        return command_done;
    }
    return command->run(rest, argv0);
}

} // namespace zqf::cli
