#include "cli/write_command.h"

#include "cli/board_answers.h"
#include "cli/command_program.h"
#include "cli/command_status.h"
#include "cli/run_options.h"
#include "cli/script_words.h"
#include "core/link/full_write.h"
#include "core/settings/link_choice_file.h"
#include "platform/chip_geometry.h"
#include "platform/linux/hardware_platform.h"
#include "platform/tracing_platform.h"
#include "platform/virtual_board.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

namespace zqf::cli {

namespace {

// Passes every call on and keeps the first USB request the adapter did not
// take, with the register being sent: the program itself trusts every write,
// a test stand must not.
class DeliveryCheck final : public Platform {
  public:
    explicit DeliveryCheck(Platform& inner) : inner_(inner) {}

    int16_t claim_parallel_port(int32_t port_number, int32_t mode) override {
        return inner_.claim_parallel_port(port_number, mode);
    }
    void out_byte(int32_t port, int32_t value) override { inner_.out_byte(port, value); }
    int16_t load_firmware(const uint8_t* path) override { return inner_.load_firmware(path); }
    int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                           int16_t length, uint8_t* buffer) override {
        const int16_t result =
            inner_.vendor_request(request, value1, value2, value3, length, buffer);
        if (result < 0 && lost_.empty()) {
            const std::string reason = inner_.failure_reason();
            lost_ = "R" + std::to_string(sending_) + " did not go out: the USB adapter refused " +
                    "the request (" + std::to_string(result) + ")" +
                    (reason.empty() ? "" : ": " + reason);
        }
        return result;
    }
    int16_t os_version() override { return inner_.os_version(); }
    std::string failure_reason() const override { return inner_.failure_reason(); }

    void sending(int index) { sending_ = index; }
    const std::string& lost() const { return lost_; }

  private:
    Platform& inner_;
    int sending_ = 0;
    std::string lost_;
};

struct ParsedWrite {
    WriteRequest request;
    RunOptions board;
};

// `--link` is the command's own; everything else is read as `run` reads its
// options, with the file in the script's place and the real board unless
// the virtual one is named.
Outcome<ParsedWrite> parse_write(std::span<const std::string_view> args) {
    std::vector<std::string_view> rest;
    std::optional<std::string_view> link;
    bool board_named = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--vcd" || arg.starts_with("--vcd=")) {
            return Failure{"--vcd is an option of run"};
        }
        board_named = board_named || arg == "--board" || arg.starts_with("--board=");
        if (arg != "--link" && !arg.starts_with("--link=")) {
            rest.push_back(arg);
            continue;
        }
        if (link) {
            return Failure{"--link is given twice"};
        }
        if (arg != "--link") {
            link = arg.substr(7);
        } else if (i + 1 < args.size()) {
            link = args[++i];
        } else {
            return Failure{"--link needs a value"};
        }
    }
    if (!board_named) {
        const bool answers = std::any_of(rest.begin(), rest.end(), [](std::string_view arg) {
            return arg.starts_with("--os") || arg.starts_with("--claim") ||
                   arg.starts_with("--adapter");
        });
        if (answers) {
            return Failure{"--os, --claim and --adapter set the virtual board's answers: "
                           "give --board virtual with them"};
        }
        rest.insert(rest.begin(), {"--board", "hardware"});
    }
    const Outcome<RunOptions> board = parse_run_options(rest);
    if (const Failure* failure = failure_of(board)) {
        return Failure{failure->reason == "no script named" ? "no settings file named"
                                                            : failure->reason};
    }
    ParsedWrite parsed{{std::get<RunOptions>(board).script, {}, std::get<RunOptions>(board).trace},
                       std::get<RunOptions>(board)};
    std::string chosen = link ? std::string(*link) : std::string();
    if (!link) {
        // As the start window does: the link remembered from the last run.
        chosen = read_link_choice(std::string(link_choice_file_name)).link.value_or("");
        if (chosen != "par" && chosen != "usb") {
            return Failure{"no link named: give --link par or --link usb (" +
                           std::string(link_choice_file_name) + " remembers none)"};
        }
    }
    if (chosen != "par" && chosen != "usb") {
        return Failure{"--link takes par or usb, not " + quote(chosen)};
    }
    parsed.request.link_option = chosen == "par" ? "option_par" : "option_usb";
    return parsed;
}

} // namespace

int write_settings(const WriteRequest& request, Platform& platform, const ProgramPaths& paths,
                   std::ostream& out, std::ostream& err, const WriteHooks& hooks) {
    const auto fail = [&err](int status, const std::string& reason) {
        err << "error: " << printable(reason) << '\n';
        return status;
    };
    DeliveryCheck check(platform);
    CommandProgram command(check, paths, err);
    if (hooks.started) {
        hooks.started(command.program());
    }
    RegisterLink& link = command.program().link();
    // Where the hardware's log stood when the first word went out.
    std::optional<std::size_t> logged_before_words;
    link.add_observer([&](const SentWord& sent) {
        if (!logged_before_words && hooks.hardware_log) {
            logged_before_words = hooks.hardware_log().size();
        }
        check.sending(sent.index);
        if (request.trace) {
            out << "send R" << sent.index << ' ' << sent.hex << '\n';
        }
    });
    std::string refusal;
    link.set_refusal_handler([&refusal](const std::string& reason) {
        if (refusal.empty()) {
            refusal = reason;
        }
    });
    if (const auto failure = command.open_settings(request.file, request.link_option)) {
        return fail(failure->link ? command_link_failed : command_refused, failure->reason);
    }
    if (!check.lost().empty()) {
        return fail(command_link_failed, check.lost());
    }
    // Every word is known to go out before the first one is sent.
    const SharedState& state = command.program().state();
    if (const auto words = full_write_words(state); std::holds_alternative<std::string>(words)) {
        return fail(command_refused, std::get<std::string>(words));
    }
    for (const int index : full_write_order(device_profile(state.device_name))) {
        link.send(index);
    }
    if (!refusal.empty()) {
        return fail(command_refused, refusal);
    }
    if (!check.lost().empty()) {
        return fail(command_link_failed, check.lost());
    }
    if (logged_before_words) {
        std::string trouble = hooks.hardware_log().substr(*logged_before_words);
        if (!trouble.empty()) {
            // One line: the log's lines joined.
            std::replace(trouble.begin(), trouble.end(), '\n', ' ');
            trouble.erase(trouble.find_last_not_of(' ') + 1);
            return fail(command_link_failed, "a word may not have gone out: " + trouble);
        }
    }
    return command_done;
}

int write_command(std::span<const std::string_view> args, const std::string& program_dir,
                  std::ostream& out, std::ostream& err) {
    const Outcome<ParsedWrite> parsed = parse_write(args);
    if (const Failure* failure = failure_of(parsed)) {
        err << "error: " << printable(failure->reason) << '\n'
            << write_usage.substr(0, write_usage.find('\n') + 1);
        return command_refused;
    }
    const ParsedWrite& write = std::get<ParsedWrite>(parsed);
    std::unique_ptr<Platform> board;
    Program* running = nullptr;
    // The hardware's own account of a failure is kept, not printed: it comes
    // back in the one line that reports the failure.
    std::ostringstream hardware_log;
    WriteHooks hooks{[&running](Program& program) { running = &program; }, {}};
    if (write.board.board == BoardChoice::hardware) {
        board = make_hardware_platform(888, hardware_log);
        hooks.hardware_log = [&hardware_log] { return hardware_log.str(); };
    } else {
        board = make_virtual_board(
            running, {write.board.os_code, write.board.claim_result, write.board.firmware_result});
    }
    const ProgramPaths paths{program_dir, std::string(link_choice_file_name)};
    if (!write.request.trace) {
        return write_settings(write.request, *board, paths, out, err, hooks);
    }
    TracingPlatform traced(*board, [&out](const std::string& line) { out << line << '\n'; });
    return write_settings(write.request, traced, paths, out, err, hooks);
}

} // namespace zqf::cli
