// File > Get Settings and Save Settings: the whole panel to and from a file.
#include "core/windows/settings_commands.h"

#include "core/settings/settings_writer.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"
#include "core/windows/settings_load.h"

namespace zqf {

namespace {

std::string file_name(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

SettingsCommands::SettingsCommands(MainForm& panel, Program& program)
    : panel_(panel), program_(program) {
    panel.find(main_controls::mnuGet)->on_click = [this] { mnuGet_Click(); };
    panel.find(main_controls::mnuSave)->on_click = [this] { mnuSave_Click(); };
    panel.find(main_controls::Command12)->on_click = [this] { mnuSave_Click(); };
}

void SettingsCommands::mnuGet_Click() {
    const std::optional<std::string> path = program_.host().open_file_dialog(settings_file_filter);
    if (!path) {
        return;
    }
    const std::optional<SettingsRefusal> refusal = load_settings(program_, *path);
    if (!refusal) {
        show_settings_file(*path);
        return;
    }
    switch (refusal->kind) {
    case SettingsRefusal::Kind::not_settings:
        program_.message(MessageIcon::exclamation, "Invalid file!",
                         " File does not contain valid settings ");
        return;
    case SettingsRefusal::Kind::unreadable:
        program_.beep();
        program_.message(MessageIcon::exclamation, program_title,
                         "The settings could not be loaded: " + refusal->reason +
                             ". Nothing has changed.");
        return;
    case SettingsRefusal::Kind::invalid:
        program_.beep();
        program_.message(MessageIcon::exclamation, program_title,
                         "The settings could not be loaded from '" + *path +
                             "': " + refusal->reason + ". Nothing has changed.");
        return;
    }
}

void SettingsCommands::mnuSave_Click() {
    const std::optional<std::string> path = program_.host().save_file_dialog(settings_file_filter);
    if (!path) {
        return;
    }
    const std::string error = save_settings(program_.state(), *path);
    if (!error.empty()) {
        program_.beep();
        program_.message(MessageIcon::exclamation, program_title,
                         "The settings could not be saved: " + error + ". No file was changed.");
        return;
    }
    show_settings_file(*path);
}

void SettingsCommands::show_settings_file(const std::string& path) {
    panel_.set_caption(std::string(program_title) + " - " + file_name(path));
    program_.host().settings_file_used(path);
}

} // namespace zqf
