#include "core/windows/crystal_form.h"

#include "core/planning/arithmetic.h"
#include "core/planning/channel_grid.h"
#include "core/planning/dividers.h"
#include "core/registers/member_domain.h"
#include "core/state/device_profile.h"
#include "core/text/number_text.h"
#include "core/windows/names/crystal_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

// The dividers planned again here; R stays as it is.
constexpr FieldId replanned_fields[] = {FieldId::int_val, FieldId::mod, FieldId::frac,
                                        FieldId::frac_msb, FieldId::frac_lsb};

constexpr std::string_view plan_again = "Plan the RF output again in the RF planner.";
constexpr FieldAdvice replanned_advice[] = {
    {FieldId::int_val, plan_again, plan_again},  {FieldId::mod, plan_again, plan_again},
    {FieldId::frac, plan_again, plan_again},     {FieldId::frac_msb, plan_again, plan_again},
    {FieldId::frac_lsb, plan_again, plan_again},
};

} // namespace

CrystalForm::CrystalForm(Program& program)
    : Form(program, std::string(form_name(FormId::crystal)), "Crystal Frequency"),
      program_(program) {
    label(crystal_controls::Label1, "Enter the reference oscillator frequency (MHz):");
    add<TextBox>(crystal_controls::Text1);
    button(crystal_controls::Command3, "Load Now").on_click = [this] { Command3_Click(); };
    button(crystal_controls::Command1, "OK").on_click = [this] { Command1_Click(); };
    button(crystal_controls::Command2, "Cancel").on_click = [this] { close(); };
}

void CrystalForm::load() {
    get(crystal_controls::Text1).set_text(general_form(program_.state().refin_freq / 1e6));
}

void CrystalForm::Command3_Click() {
    load_now();
}

void CrystalForm::Command1_Click() {
    // A refused entry keeps the window open, with the emptied box to type into.
    if (load_now()) {
        close();
    }
}

void CrystalForm::reject(std::string_view message) {
    program_.beep();
    warn(program_, message);
    get(crystal_controls::Text1).set_text("");
    set_focus(crystal_controls::Text1);
}

bool CrystalForm::load_now() {
    const std::optional<double> mhz = entry_value(*this, crystal_controls::Text1);
    const std::optional<double> hz = mhz ? finite(*mhz * 1e6) : std::nullopt;
    // An oscillator has a positive frequency; no divider can be planned from another.
    if (!hz || *hz <= 0.0) {
        reject("Invalid entry in crystal Frequency.");
        return false;
    }
    get(crystal_controls::Text1).set_text(format_template(*mhz, "#0.000000"));
    // A refused reference stores nothing, the reference itself included.
    const PlanUndo undo(program_);
    SharedState& s = program_.state();
    s.refin_freq = *hz;
    // The PFD stays as it is: the RF planner derives it from the new reference
    // on its next update.
    if (!compute_dividers(s)) {
        undo.restore();
        reject("Warning. The RF R register must be >= 1. ");
        return false;
    }
    const bool counts_steps = device_profile(s.device_name).fraction == FractionKind::modulus;
    const std::optional<SenseFault> fault = divider_sense(s);
    if ((counts_steps && !no_objection(program_, channel_grid_misfit(s.pfd_freq, s.chan_step))) ||
        !fields_fit(program_, replanned_fields, replanned_advice) ||
        !no_objection(program_, fault ? std::optional<std::string>(fault->text) : std::nullopt)) {
        undo.restore();
        return false;
    }
    carry_out(program_, device_profile(s.device_name).reference_writes);
    return true;
}

} // namespace zqf
