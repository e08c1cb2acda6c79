#include "cli/command_args.h"

#include "cli/script_words.h"

#include <algorithm>

namespace zqf::cli {

namespace {

const OptionSpec* find_spec(std::span<const OptionSpec> specs, std::string_view arg) {
    for (const OptionSpec& option : specs) {
        const bool long_form = arg.starts_with("--") && arg.substr(2) == option.name;
        const bool short_form = option.short_name != 0 && arg.size() == 2 && arg[0] == '-' &&
                                arg[1] == option.short_name;
        if (long_form || short_form) {
            return &option;
        }
    }
    return nullptr;
}

} // namespace

std::optional<std::string> CommandArgs::value(std::string_view name) const {
    for (const auto& [key, value] : values_) {
        if (key == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool CommandArgs::flag(std::string_view name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

Outcome<CommandArgs> parse_command_args(std::span<const std::string_view> args,
                                        std::span<const OptionSpec> specs) {
    CommandArgs parsed;
    bool options_ended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (options_ended || arg == "-" || !arg.starts_with('-')) {
            parsed.operands_.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        std::optional<std::string_view> inline_value;
        if (const std::size_t equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
            inline_value = arg.substr(equals + 1);
            arg = arg.substr(0, equals);
        }
        const OptionSpec* option = find_spec(specs, arg);
        if (option == nullptr) {
            return Failure{"unknown option " + quote(arg)};
        }
        const std::string name(option->name);
        if (parsed.flag(name) || parsed.value(name)) {
            return Failure{"--" + name + " is given twice"};
        }
        if (!option->takes_value) {
            if (inline_value) {
                return Failure{"--" + name + " takes no value"};
            }
            parsed.flags_.push_back(name);
            continue;
        }
        if (!inline_value && i + 1 >= args.size()) {
            return Failure{"--" + name + " needs a value"};
        }
        parsed.values_.emplace_back(name, inline_value ? *inline_value : args[++i]);
    }
    return parsed;
}

} // namespace zqf::cli
