#include "core/windows/fast_lock_form.h"

#include "core/registers/member_domain.h"

#include "core/planning/fast_lock.h"
#include "core/text/number_text.h"
#include "core/windows/main_form.h"
#include "core/windows/names/fast_lock_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

FastLockForm::FastLockForm(Program& program)
    : Form(program, std::string(form_name(FormId::fast_lock)), "Fast-lock timer"),
      program_(program) {
    label(fast_lock_controls::Label1, "Enter Fast-lock timer value");
    add<TextBox>(fast_lock_controls::Text1).on_change = [this] { Text1_Change(); };
    label(fast_lock_controls::Label2, "PFD MHz");
    add<TextBox>(fast_lock_controls::PFD);
    label(fast_lock_controls::Label3, "BW time interval us");
    add<TextBox>(fast_lock_controls::BWinterval);
    button(fast_lock_controls::Command3, "Load Now").on_click = [this] { Command3_Click(); };
    button(fast_lock_controls::Command2, "Cancel").on_click = [this] { close(); };
}

void FastLockForm::load() {
    show_interval();
}

void FastLockForm::Text1_Change() {
    show_interval();
}

void FastLockForm::show_interval() {
    TextBox& count = get(fast_lock_controls::Text1);
    if (count.text().empty()) {
        // The change this makes shows the interval of one cycle.
        count.set_text("1");
        return;
    }
    TextBox& pfd = get(fast_lock_controls::PFD);
    pfd.set_text(format_template(program_.state().pfd_freq / 1e6, ".00"));
    // The interval uses the PFD as the box shows it, to two decimals.
    const std::optional<double> interval = fast_lock_interval_us(count.text(), pfd.text());
    if (!interval) {
        program_.beep();
        return;
    }
    get(fast_lock_controls::BWinterval).set_text(general_form(*interval));
}

void FastLockForm::Command3_Click() {
    const std::optional<double> count = fast_lock_count(
        get(fast_lock_controls::Text1).text(), device_profile(program_.state().device_name));
    if (!count) {
        program_.beep();
        return;
    }
    SharedState& s = program_.state();
    // The count goes in through the modulus: it must still leave FRAC/MOD a
    // fraction, or the read-outs would divide by it.
    SharedState loaded = s;
    loaded.mod_val = *count;
    if (const std::optional<SenseFault> fault = divider_sense(loaded)) {
        program_.beep();
        warn(program_, fault->text);
        return;
    }
    MainForm* main = program_.main_form();
    s.mod_val = *count;
    if (main != nullptr) {
        main->refresh_registers();
    }
    // R1 carries the count and the fast-lock load bit together.
    program_.link().send(1);
    // Loaded once: the panel's switch and the load bit go back to off, while
    // mod_val keeps the count until the RF planner runs again.
    if (main != nullptr) {
        main->get(main_controls::Toggle32).set_state(false);
    }
    s.load_control = 0.0;
    if (main != nullptr) {
        main->refresh_registers();
    }
    close();
}

} // namespace zqf
