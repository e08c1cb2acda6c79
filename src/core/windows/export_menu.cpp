// File > Export Registers...: the words of the panel as a full write would
// send them now, in the format of the filter chosen in the save dialog.
#include "core/windows/export_menu.h"

#include "core/windows/main_form.h"

#include "core/link/full_write.h"
#include "core/registers/register_export.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"
#include "files/atomic_write.h"

namespace zqf {

namespace {

// The save dialog's filters, one per format, in the formats' order.
std::string export_filters() {
    std::string filters;
    for (const ExportFormatInfo& info : export_formats()) {
        filters += (filters.empty() ? "" : "|") + std::string(info.filter);
    }
    return filters;
}

void refuse(Program& program, const std::string& text) {
    program.beep();
    program.message(MessageIcon::exclamation, program_title, text);
}

} // namespace

ExportMenu::ExportMenu(MainForm& panel, Program& program) : program_(program) {
    panel.menu(main_controls::mnuExport, "&Export Registers...").on_click = [this] {
        mnuExport_Click();
    };
}

void ExportMenu::mnuExport_Click() {
    const auto words = full_write_words(program_.state());
    if (const std::string* refusal = std::get_if<std::string>(&words)) {
        refuse(program_, "The registers cannot be exported: " + *refusal);
        return;
    }
    const std::string filters = export_filters();
    const std::optional<SaveChoice> choice = program_.host().save_file_choosing(filters);
    if (!choice) {
        return;
    }
    const std::span<const ExportFormatInfo> formats = export_formats();
    const ExportFormat format = formats[std::min(choice->filter, formats.size() - 1)].format;
    const ExportSubject subject{device_profile(program_.state().device_name), "the zqfeval panel"};
    const std::string text =
        export_registers(format, subject, std::get<std::vector<RegisterWord>>(words));
    if (const std::string failure = write_atomically(choice->path, text); !failure.empty()) {
        refuse(program_, "The registers could not be exported: " + failure + ".");
    }
}

} // namespace zqf
