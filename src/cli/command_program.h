#pragma once

#include "cli/command_host.h"
#include "core/state/devices.h"
#include "core/windows/program.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace zqf::cli {

// The program as a command runs it: started, its start window confirmed as a
// user confirms it, a settings file loaded through File > Get Settings. Each
// step that fails says why in one line, as the program's message box did.
class CommandProgram {
  public:
    CommandProgram(Platform& platform, ProgramPaths paths, std::ostream& notes);
    CommandProgram(const CommandProgram&) = delete;
    CommandProgram& operator=(const CommandProgram&) = delete;

    // Picks the device's option and the link's ("option_par", "option_usb",
    // or none when empty) and clicks OK. The messages of the link's
    // preparation, if any, as one line.
    std::optional<std::string> confirm(const DeviceEntry& device, std::string_view link_option);

    // File > Get Settings with `path` as the dialog's answer. What the program
    // said, if anything, as one line: a load that says something was refused.
    std::optional<std::string> load_settings(const std::string& path);

    // Both steps as a command with a settings file takes them: the start
    // window confirmed with the device the file names (the first device when
    // the file names none the start window offers: the load then says what is
    // wrong with it) and the link option, then the file loaded.
    struct Failure {
        bool link = false; // the link was not ready; otherwise the file was refused
        std::string reason;
    };
    std::optional<Failure> open_settings(const std::string& path, std::string_view link_option);

    Program& program() { return program_; }

  private:
    void click(std::string_view form, std::string_view control);
    std::optional<std::string> said();

    CommandHost host_;
    Program program_;
};

} // namespace zqf::cli
