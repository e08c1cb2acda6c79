// zqfctl: the headless twin of the desktop program. `zqfctl run` carries out a
// bench script against the same window models the desktop program shows; the
// other commands read or write the words of a settings file.
#include "cli/command_status.h"
#include "cli/commands.h"

#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        return zqf::cli::run_command_line(args, argv[0]);
    } catch (const std::exception& fault) {
        // A fault of the program itself, not of its input: say so rather than abort.
        std::cerr << "error: internal fault: " << fault.what() << '\n';
        return zqf::cli::command_refused;
    }
}
