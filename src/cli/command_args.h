#pragma once

#include "cli/outcome.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zqf::cli {

// An option a command takes: --name (and -s where it has a short form),
// with a value or as a flag.
struct OptionSpec {
    std::string_view name;
    bool takes_value = false;
    char short_name = 0;
};

// A command line taken apart: options (each at most once) and operands.
class CommandArgs {
  public:
    // The value of an option that takes one, or nothing when not given.
    std::optional<std::string> value(std::string_view name) const;
    bool flag(std::string_view name) const;
    const std::vector<std::string>& operands() const { return operands_; }

  private:
    friend Outcome<CommandArgs> parse_command_args(std::span<const std::string_view> args,
                                                   std::span<const OptionSpec> specs);
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> flags_;
    std::vector<std::string> operands_;
};

// Options as "--name value", "--name=value" or "-s value", in any order among
// the operands; "--" ends the options. A failure names what is wrong.
Outcome<CommandArgs> parse_command_args(std::span<const std::string_view> args,
                                        std::span<const OptionSpec> specs);

} // namespace zqf::cli
