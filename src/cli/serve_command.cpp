#include "cli/serve_command.h"

#include "cli/board_answers.h"
#include "cli/command_args.h"
#include "cli/command_status.h"
#include "cli/device_names.h"
#include "cli/script_words.h"
#include "cli/serve_host.h"
#include "cli/serve_sockets.h"
#include "cli/serve_timers.h"
#include "core/settings/link_choice_file.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"
#include "platform/chip_geometry.h"
#include "platform/linux/hardware_platform.h"
#include "platform/virtual_board.h"
#include "remote/diverting_host.h"
#include "remote/instrument.h"
#include "remote/panel_controls.h"

#include <csignal>
#include <filesystem>
#include <sys/signalfd.h>
#include <unistd.h>

namespace zqf::cli {

namespace {

constexpr OptionSpec serve_options[] = {
    {"device", true}, {"link", true},  {"board", true}, {"settings", true},
    {"listen", true}, {"files", true}, {"claim", true}, {"adapter", true},
};

struct ServeRequest {
    const DeviceEntry* device = nullptr;
    std::string_view link_option; // the start window's option of the link
    bool virtual_board = false;
    std::optional<std::string> settings;
    remote::ListenAddress listen;
    std::optional<std::string> files;
    std::optional<int16_t> claim_result;
    std::optional<int16_t> firmware_result;
};

Outcome<ServeRequest> parse_serve(std::span<const std::string_view> args) {
    const Outcome<CommandArgs> parsed = parse_command_args(args, serve_options);
    if (const Failure* failure = failure_of(parsed)) {
        return *failure;
    }
    const CommandArgs& given = std::get<CommandArgs>(parsed);
    if (!given.operands().empty()) {
        return Failure{"serve takes options only, not " + quote(given.operands().front())};
    }
    ServeRequest request;
    request.settings = given.value("settings");
    if (request.settings && given.value("device")) {
        return Failure{"--device and --settings do not go together: the file names the device"};
    }
    if (request.settings) {
        request.device = entry_of_stored_name(settings_device_name(*request.settings));
    } else if (const std::optional<std::string> device = given.value("device")) {
        const Outcome<const DeviceEntry*> entry = device_named(*device);
        if (const Failure* failure = failure_of(entry)) {
            return *failure;
        }
        request.device = std::get<const DeviceEntry*>(entry);
    }
    if (request.device == nullptr) {
        request.device = &device_catalogue[0];
    }
    std::string link = given.value("link").value_or(
        read_link_choice(std::string(link_choice_file_name)).link.value_or(""));
    if (link != "par" && link != "usb") {
        return Failure{given.value("link")
                           ? "--link takes par or usb, not " + quote(link)
                           : "no link named: give --link par or --link usb (" +
                                 std::string(link_choice_file_name) + " remembers none)"};
    }
    request.link_option = link == "par" ? remote::panel::start_window::parallel_port
                                        : remote::panel::start_window::usb_adapter;
    const std::string board = given.value("board").value_or("hardware");
    if (board != "virtual" && board != "hardware") {
        return Failure{"--board takes virtual or hardware, not " + quote(board)};
    }
    request.virtual_board = board == "virtual";
    if (const std::optional<std::string> claim = given.value("claim")) {
        if (*claim != "ok" && *claim != "fail") {
            return Failure{"--claim takes ok or fail, not " + quote(*claim)};
        }
        request.claim_result = *claim == "ok" ? 1 : 0;
    }
    if (const std::optional<std::string> adapter = given.value("adapter")) {
        if (*adapter != "present" && *adapter != "absent") {
            return Failure{"--adapter takes present or absent, not " + quote(*adapter)};
        }
        request.firmware_result = *adapter == "present" ? 0 : -1;
    }
    if ((request.claim_result || request.firmware_result) && !request.virtual_board) {
        return Failure{"--claim and --adapter set the virtual board's answers: give --board "
                       "virtual with them"};
    }
    if (const std::optional<std::string> listen = given.value("listen")) {
        auto address = remote::parse_listen_address(*listen);
        if (const auto* reason = std::get_if<std::string>(&address)) {
            return Failure{"--listen: " + *reason};
        }
        request.listen = std::get<remote::ListenAddress>(address);
    }
    request.files = given.value("files");
    if (request.files && !std::filesystem::is_directory(*request.files)) {
        return Failure{"--files " + quote(*request.files) + " is no folder"};
    }
    return request;
}

// A descriptor that becomes readable on SIGINT or SIGTERM.
int stop_descriptor() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    ::sigprocmask(SIG_BLOCK, &signals, nullptr);
    return ::signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
}

void click(Program& program, std::string_view form, std::string_view control) {
    program.find(form)->get<Control>(control).user_click();
    program.collect();
}

} // namespace

int serve_command(std::span<const std::string_view> args, const std::string& program_dir,
                  std::ostream& out, std::ostream& err) {
    const Outcome<ServeRequest> parsed = parse_serve(args);
    if (const Failure* failure = failure_of(parsed)) {
        err << "error: " << printable(failure->reason) << '\n'
            << serve_usage.substr(0, serve_usage.find('\n') + 1);
        return command_refused;
    }
    const ServeRequest& request = std::get<ServeRequest>(parsed);

    Program* running = nullptr;
    std::unique_ptr<Platform> board;
    if (request.virtual_board) {
        board = make_virtual_board(running, {{}, request.claim_result, request.firmware_result});
    } else {
        board = make_hardware_platform();
    }
    ServeHost serve_host(err);
    remote::DivertingHost host(serve_host);
    Program program(host, *board, {program_dir, std::string(link_choice_file_name)});
    running = &program;

    // The start window, confirmed as a user confirms it; what it says of
    // the link is kept for *TST? and BOARd:LINK?.
    remote::Prompts started;
    {
        const remote::DivertingHost::Diversion diversion(host, started);
        program.start();
        namespace start = remote::panel::start_window;
        click(program, start::name, request.device->option);
        Form& window = *program.find(start::name);
        window.get<OptionButton>(start::parallel_port).deselect();
        window.get<OptionButton>(start::usb_adapter).deselect();
        click(program, start::name, request.link_option);
        click(program, start::name, start::confirm);
    }
    if (started.refused()) {
        err << "note: " << printable(started.text()) << '\n';
    }
    if (request.settings) {
        remote::Prompts loaded;
        loaded.file_answer = *request.settings;
        const remote::DivertingHost::Diversion diversion(host, loaded);
        click(program, remote::panel::main_window::name, remote::panel::main_window::get_settings);
        if (loaded.refused()) {
            err << "error: " << printable(loaded.text()) << '\n';
            return command_refused;
        }
    }

    auto opened = SocketServer::open(request.listen);
    if (const auto* reason = std::get_if<std::string>(&opened)) {
        err << "error: " << printable(*reason) << '\n';
        return command_link_failed;
    }
    SocketServer& server = *std::get<std::unique_ptr<SocketServer>>(opened);
    remote::Instrument instrument(
        program, host, {ZQF_VERSION, request.files, started.text()},
        [&server](remote::ClientId client, std::string_view bytes) { server.send(client, bytes); });
    ServeTimers timers;
    const int stop_fd = stop_descriptor();
    out << "listening on " << server.bound().text() << '\n' << std::flush;
    if (!server.bound().loopback()) {
        err << "note: listening beyond this machine: anyone who reaches " << server.bound().text()
            << " can program the board\n";
    }
    const auto track = [&] { timers.track(program.open_forms()); };
    const int status = server.run({&instrument, &timers, track,
                                   [&] {
                                       track();
                                       program.collect();
                                       track();
                                   },
                                   stop_fd});
    ::close(stop_fd);
    return status;
}

} // namespace zqf::cli
