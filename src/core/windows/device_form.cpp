#include "core/windows/device_form.h"

#include "core/link/usb_link.h"
#include "core/settings/link_choice_file.h"
#include "core/state/devices.h"
#include "core/state/start_values.h"
#include "core/windows/comms_help_form.h"
#include "core/windows/main_form.h"
#include "core/windows/names/device_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

// The start window's message, with the platform's reason on a line of its
// own after it where the platform gave one.
std::string with_reason(std::string_view message, const std::string& reason) {
    std::string text(message);
    if (!reason.empty()) {
        text += '\n';
        text += reason;
    }
    return text;
}

} // namespace

DeviceForm::DeviceForm(Program& program)
    : Form(program, std::string(form_name(FormId::device)), "Device"), program_(program) {
    label(device_controls::Label1, "Welcome. Select the device being evaluated:");
    frame(device_controls::Frame1);
    for (const DeviceEntry& device : device_catalogue) {
        add<OptionButton>(std::string(device.option), std::string(device.caption), "device");
    }
    frame(device_controls::Frame2, "Communication Selection");
    add<OptionButton>(device_controls::option_par, "Parallel Port", "link");
    add<OptionButton>(device_controls::option_usb, "USB Port", "link");
    button(device_controls::Command1, "OK").on_click = [this] { Command1_Click(); };
    button(device_controls::Command2, "Help").on_click = [this] { Command2_Click(); };
    picture(device_controls::Picture1);
}

void DeviceForm::load() {
    SharedState& state = program_.state();
    apply_first_start_values(state);
    get(device_controls::Option1).select();
    const LinkChoiceRead read = read_link_choice(program_.paths().link_choice_file);
    if (!read.note.empty()) {
        program_.host().note(read.note);
    }
    if (!read.link) {
        return;
    }
    state.comm_link = *read.link;
    if (state.comm_link == "par") {
        get(device_controls::option_par).select();
        get(device_controls::option_usb).deselect();
    } else if (state.comm_link == "usb") {
        get(device_controls::option_usb).select();
        get(device_controls::option_par).deselect();
    }
}

void DeviceForm::close_box() {
    program_.end();
}

void DeviceForm::Command1_Click() {
    confirm(true);
}

void DeviceForm::confirm(bool prepare) {
    // The main window exists before anything of the confirmation happens.
    MainForm& main = program_.load<MainForm>();
    SharedState& state = program_.state();

    for (const DeviceEntry& device : device_catalogue) {
        if (get<OptionButton>(device.option).value()) {
            main.get(main_controls::Device).set_caption(std::string(device.device_caption));
            state.device_name = device.stored_name;
            break;
        }
    }
    if (apply_device_defaults(state) == DefaultsFollowUp::preset_panel) {
        main.preset_panel();
    }
    if (prepare && prepare_link()) {
        const std::string error =
            write_link_choice(program_.paths().link_choice_file, state.comm_link);
        if (!error.empty()) {
            program_.host().note(error);
            program_.message(MessageIcon::exclamation, program_title,
                             "The link choice could not be saved in \"comms_option.txt\"; it "
                             "will not be remembered for the next run.");
        }
    }
    main.main_setup();
    apply_confirmation_field_values(state);
    main.refresh_registers();
    program_.show(main);
    close();
}

bool DeviceForm::prepare_link() {
    SharedState& state = program_.state();
    ToggleSwitch* indicator = nullptr;
    if (MainForm* main = program_.main_form()) {
        indicator = &main->get(main_controls::usb_display_toggle);
    }
    if (get(device_controls::option_par).value()) {
        state.comm_link = "par";
        if (indicator != nullptr) {
            indicator->set_visible(false);
        }
        return prepare_parallel_port();
    }
    if (get(device_controls::option_usb).value()) {
        state.comm_link = "usb";
        if (indicator != nullptr) {
            indicator->set_visible(true);
        }
        prepare_usb_adapter();
        if (indicator != nullptr) {
            indicator->set_state(state.usb_status >= 0);
        }
    }
    return true;
}

bool DeviceForm::prepare_parallel_port() {
    const int16_t code = program_.platform().os_version();
    if (code == -1) {
        program_.message(MessageIcon::critical, "", "Failed to determine operating system");
        return false;
    }
    if (code == 351 || code == 400 || code == 2000) {
        if (program_.platform().claim_parallel_port(1, -1) == 0) {
            program_.message(
                MessageIcon::none, program_title,
                with_reason("Failed to claim Parallel Port", program_.platform().failure_reason()));
            return false;
        }
    }
    return true;
}

void DeviceForm::prepare_usb_adapter() {
    const FirmwareLoad load =
        load_firmware(program_.state(), program_.platform(), program_.paths().program_dir);
    if (load.path_too_long) {
        program_.message(MessageIcon::exclamation, program_title, load.message);
    }
    if (program_.state().usb_status < 0) {
        program_.message(
            MessageIcon::none, program_title,
            with_reason("USB Adapter Board NOT DETECTED", program_.platform().failure_reason()));
    }
}

void DeviceForm::Command2_Click() {
    CommsHelpForm& help = program_.load<CommsHelpForm>();
    program_.show(help);
}

} // namespace zqf
