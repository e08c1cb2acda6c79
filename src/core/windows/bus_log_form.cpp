#include "core/windows/bus_log_form.h"

#include "core/windows/program.h"

#include <mutex>

namespace zqf {

BusLogForm::BusLogForm(Program& program) : Form(program, "buslog", "Bus Log"), program_(program) {
    // Copying needs the rows the user chose: the view does it, from bus_log_text.
    button("cmdCopy", "&Copy");
    button("cmdClear", "C&lear").on_click = [this] { program_.bus_log().clear(); };
    button("cmdClose", "Close").on_click = [this] { close(); };
}

BusLogCopy BusLogForm::copy_after(uint64_t number) const {
    const std::scoped_lock hold(program_.host().model_lock());
    const BusLog& log = program_.bus_log();
    return {log.first_number(), log.rows_after(number)};
}

} // namespace zqf
