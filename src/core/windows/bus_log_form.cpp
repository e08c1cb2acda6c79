#include "core/windows/bus_log_form.h"

#include "core/windows/program.h"

#include "core/windows/names/bus_log_controls.h"
#include "core/windows/names/forms.h"
#include <mutex>

namespace zqf {

BusLogForm::BusLogForm(Program& program)
    : Form(program, std::string(form_name(FormId::bus_log)), "Bus Log"), program_(program) {
    // Copying needs the rows the user chose: the view does it, from bus_log_text.
    button(bus_log_controls::cmdCopy, "&Copy");
    button(bus_log_controls::cmdClear, "C&lear").on_click = [this] { program_.bus_log().clear(); };
    button(bus_log_controls::cmdClose, "Close").on_click = [this] { close(); };
}

BusLogCopy BusLogForm::copy_after(uint64_t number) const {
    const std::scoped_lock hold(program_.host().model_lock());
    const BusLog& log = program_.bus_log();
    return {log.first_number(), log.rows_after(number)};
}

} // namespace zqf
