#include "cli/run_options.h"

#include "cli/script_words.h"
#include "cli/whole_number.h"

#include <limits>

namespace zqf::cli {

namespace {

struct Choice {
    std::string_view word;
    int16_t result;
};

constexpr Choice claim_choices[] = {{"ok", 1}, {"fail", 0}};
constexpr Choice adapter_choices[] = {{"present", 0}, {"absent", -1}};

Outcome<int16_t> chosen(std::string_view option, std::string_view value,
                        std::span<const Choice> choices) {
    for (const Choice& choice : choices) {
        if (choice.word == value) {
            return choice.result;
        }
    }
    return Failure{"--" + std::string(option) + " takes " + std::string(choices[0].word) + " or " +
                   std::string(choices[1].word) + ", not " + quote(value)};
}

Outcome<int16_t> os_code(std::string_view value) {
    const std::optional<int64_t> code = parse_whole(value);
    if (!code || *code < std::numeric_limits<int16_t>::min() ||
        *code > std::numeric_limits<int16_t>::max()) {
        return Failure{"--os takes a whole number from -32768 to 32767, not " + quote(value)};
    }
    return static_cast<int16_t>(*code);
}

// Stores one option with its value; a failure names what is wrong.
std::optional<Failure> apply(RunOptions& options, std::string_view name, std::string_view value) {
    const auto store = [](std::optional<int16_t>& slot, Outcome<int16_t> result) {
        if (const Failure* failure = failure_of(result)) {
            return std::optional<Failure>(*failure);
        }
        slot = std::get<int16_t>(result);
        return std::optional<Failure>();
    };
    if (name == "trace") {
        return Failure{"--trace takes no value"};
    }
    if (name == "board") {
        if (value != "virtual" && value != "hardware") {
            return Failure{"--board takes virtual or hardware, not " + quote(value)};
        }
        options.board = value == "virtual" ? BoardChoice::virtual_board : BoardChoice::hardware;
        return std::nullopt;
    }
    if (name == "vcd") {
        if (value.empty()) {
            return Failure{"--vcd needs a file name"};
        }
        options.vcd = std::string(value);
        return std::nullopt;
    }
    if (name == "os") {
        return store(options.os_code, os_code(value));
    }
    if (name == "claim") {
        return store(options.claim_result, chosen(name, value, claim_choices));
    }
    if (name == "adapter") {
        return store(options.firmware_result, chosen(name, value, adapter_choices));
    }
    return Failure{"unknown option --" + std::string(name)};
}

} // namespace

Outcome<RunOptions> parse_run_options(std::span<const std::string_view> args) {
    RunOptions options;
    bool have_script = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "-" || !arg.starts_with("--")) {
            if (have_script) {
                return Failure{"one script only: " + quote(arg) + " follows " +
                               quote(options.script)};
            }
            options.script = std::string(arg);
            have_script = true;
            continue;
        }
        std::string_view name = arg.substr(2);
        if (name == "trace") {
            options.trace = true;
            continue;
        }
        std::string_view value;
        if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Failure{"--" + std::string(name) + " needs a value"};
        }
        if (const std::optional<Failure> failure = apply(options, name, value)) {
            return *failure;
        }
    }
    if (!have_script) {
        return Failure{"no script named"};
    }
    const bool answers_set = options.os_code || options.claim_result || options.firmware_result;
    if (options.board == BoardChoice::hardware && answers_set) {
        return Failure{"--os, --claim and --adapter set the virtual board's answers; "
                       "they do not go with --board hardware"};
    }
    return options;
}

} // namespace zqf::cli
