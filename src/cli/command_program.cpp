#include "cli/command_program.h"

#include "cli/device_names.h"
#include "core/ui/controls.h"
#include "core/windows/names/device_controls.h"
#include "core/windows/names/main_controls.h"

namespace zqf::cli {

CommandProgram::CommandProgram(Platform& platform, ProgramPaths paths, std::ostream& notes)
    : host_(notes), program_(host_, platform, std::move(paths)) {
    program_.start();
}

void CommandProgram::click(std::string_view form, std::string_view control) {
    program_.find(form)->get<Control>(control).user_click();
    program_.collect();
}

std::optional<std::string> CommandProgram::said() {
    const std::vector<std::string> messages = host_.take_messages();
    if (messages.empty()) {
        return std::nullopt;
    }
    std::string line;
    for (const std::string& message : messages) {
        line += (line.empty() ? "" : "; ") + message;
    }
    return line;
}

std::optional<std::string> CommandProgram::confirm(const DeviceEntry& device,
                                                   std::string_view link_option) {
    click(form_name(FormId::device), device.option);
    Form& start = *program_.find(FormId::device);
    // Neither link unless one is named: a link remembered from an earlier run
    // is not prepared behind the command's back.
    start.get(device_controls::option_par).deselect();
    start.get(device_controls::option_usb).deselect();
    if (!link_option.empty()) {
        click(form_name(FormId::device), link_option);
    }
    click(form_name(FormId::device), device_controls::Command1);
    return said();
}

std::optional<std::string> CommandProgram::load_settings(const std::string& path) {
    host_.answer_open_dialog(path);
    click(form_name(FormId::main), main_controls::mnuGet);
    return said();
}

std::optional<CommandProgram::Failure> CommandProgram::open_settings(const std::string& path,
                                                                     std::string_view link_option) {
    const DeviceEntry* entry = entry_of_stored_name(settings_device_name(path));
    if (std::optional<std::string> said =
            confirm(entry != nullptr ? *entry : device_catalogue[0], link_option)) {
        return Failure{true, std::move(*said)};
    }
    if (std::optional<std::string> said = load_settings(path)) {
        return Failure{false, std::move(*said)};
    }
    return std::nullopt;
}

} // namespace zqf::cli
