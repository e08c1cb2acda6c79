#include "core/windows/remote_control_form.h"

#include "core/windows/names/forms.h"
#include "core/windows/names/remote_control_controls.h"
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
    : Form(program, std::string(form_name(FormId::remote_control)), "Remote Control"),
      program_(program) {
    label(remote_control_controls::Label1, "Listen at (address:port):");
    add<TextBox>(remote_control_controls::txtAddress, std::string(default_address));
    label(remote_control_controls::Label2, "Folder for MMEMory:LOAD and :STORe (empty: none):");
    add<TextBox>(remote_control_controls::txtFolder);
    button(remote_control_controls::cmdStart, "&Start").on_click = [this] { cmdStart_Click(); };
    button(remote_control_controls::cmdStop, "S&top").on_click = [this] { cmdStop_Click(); };
    label(remote_control_controls::lblState, "Not listening.");
    label(remote_control_controls::lblRemote, "Remote").set_visible(false);
    label(remote_control_controls::lblClients, "No client is connected.");
    label(remote_control_controls::Label3, "Last remote commands:");
    label(remote_control_controls::Label4,
          "There is no authentication, as with instruments: listen beyond this "
          "machine (127.0.0.1) only on a trusted network, or tunnel (ssh -L).");
    button(remote_control_controls::cmdClose, "Close").on_click = [this] { close(); };
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
        get(remote_control_controls::txtAddress).set_text(remote->address());
    }
    get(remote_control_controls::lblState)
        .set_caption(remote == nullptr ? "Remote control is not offered here."
                     : listening ? "Listening on " + remote->address() + " (raw SCPI over TCP)."
                                 : "Not listening.");
    get(remote_control_controls::lblClients).set_caption(clients_text(clients));
    get(remote_control_controls::lblRemote).set_visible(!clients.empty());
    get(remote_control_controls::txtAddress).set_enabled(remote != nullptr && !listening);
    get(remote_control_controls::txtFolder).set_enabled(remote != nullptr && !listening);
    get(remote_control_controls::cmdStart).set_enabled(remote != nullptr && !listening);
    get(remote_control_controls::cmdStop).set_enabled(listening);
}

void RemoteControlForm::cmdStart_Click() {
    RemoteService* remote = service();
    if (remote == nullptr || remote->listening()) {
        program_.beep();
        return;
    }
    if (const std::optional<std::string> failure =
            remote->start(get(remote_control_controls::txtAddress).text(),
                          get(remote_control_controls::txtFolder).text())) {
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
