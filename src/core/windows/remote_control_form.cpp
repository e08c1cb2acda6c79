#include "core/windows/remote_control_form.h"

#include "core/windows/program.h"

namespace zqf {

namespace {

constexpr std::string_view default_address = "127.0.0.1:5025";

std::string clients_text(const std::vector<std::string>& clients) {
    if (clients.empty()) {
        return "No client is connected.";
    }
    std::string text = std::to_string(clients.size()) +
                       (clients.size() == 1 ? " client connected: " : " clients connected: ");
    for (std::size_t i = 0; i < clients.size(); ++i) {
        text += (i == 0 ? "" : ", ") + clients[i];
    }
    return text;
}

} // namespace

RemoteControlForm::RemoteControlForm(Program& program)
    : Form(program, "remotecontrol", "Remote Control"), program_(program) {
    label("Label1", "Listen at (address:port):");
    add<TextBox>("txtAddress", std::string(default_address));
    label("Label2", "Folder for MMEMory:LOAD and :STORe (empty: none):");
    add<TextBox>("txtFolder");
    button("cmdStart", "&Start").on_click = [this] { cmdStart_Click(); };
    button("cmdStop", "S&top").on_click = [this] { cmdStop_Click(); };
    label("lblState", "Not listening.");
    label("lblRemote", "Remote").set_visible(false);
    label("lblClients", "No client is connected.");
    label("Label3", "Last remote commands:");
    label("Label4", "There is no authentication, as with instruments: listen beyond this "
                    "machine (127.0.0.1) only on a trusted network, or tunnel (ssh -L).");
    button("cmdClose", "Close").on_click = [this] { close(); };
}

RemoteService* RemoteControlForm::service() const {
    return program_.remote_service();
}

void RemoteControlForm::load() {
    if (RemoteService* remote = service()) {
        watch_ = remote->subscribe([this] { show_service(); });
    }
    show_service();
}

void RemoteControlForm::show_service() {
    const RemoteService* remote = service();
    const bool listening = remote != nullptr && remote->listening();
    const std::vector<std::string> clients =
        remote != nullptr ? remote->clients() : std::vector<std::string>{};
    if (listening) {
        get<TextBox>("txtAddress").set_text(remote->address());
    }
    get<CaptionControl>("lblState")
        .set_caption(remote == nullptr ? "Remote control is not offered here."
                     : listening ? "Listening on " + remote->address() + " (raw SCPI over TCP)."
                                 : "Not listening.");
    get<CaptionControl>("lblClients").set_caption(clients_text(clients));
    get<CaptionControl>("lblRemote").set_visible(!clients.empty());
    get<TextBox>("txtAddress").set_enabled(remote != nullptr && !listening);
    get<TextBox>("txtFolder").set_enabled(remote != nullptr && !listening);
    get<CaptionControl>("cmdStart").set_enabled(remote != nullptr && !listening);
    get<CaptionControl>("cmdStop").set_enabled(listening);
}

void RemoteControlForm::cmdStart_Click() {
    RemoteService* remote = service();
    if (remote == nullptr || remote->listening()) {
        program_.beep();
        return;
    }
    if (const std::optional<std::string> failure =
            remote->start(get<TextBox>("txtAddress").text(), get<TextBox>("txtFolder").text())) {
        program_.beep();
        program_.message(MessageIcon::exclamation, program_title,
                         "Remote control cannot start: " + *failure + ".");
    }
    show_service();
}

void RemoteControlForm::cmdStop_Click() {
    if (RemoteService* remote = service()) {
        remote->stop();
    }
    show_service();
}

} // namespace zqf
