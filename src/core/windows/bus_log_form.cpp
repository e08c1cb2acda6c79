#include "core/windows/bus_log_form.h"

#include "core/windows/program.h"

namespace zqf {

BusLogForm::BusLogForm(Program& program) : Form(program, "buslog", "Bus Log"), program_(program) {
    // Copying needs the rows the user chose: the view does it, from bus_log_text.
    button("cmdCopy", "&Copy");
    button("cmdClear", "C&lear").on_click = [this] { program_.bus_log().clear(); };
    button("cmdClose", "Close").on_click = [this] { close(); };
}

const BusLog& BusLogForm::log() const {
    return program_.bus_log();
}

} // namespace zqf
