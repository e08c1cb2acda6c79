#include "core/windows/dual_mux_form.h"

#include "core/registers/member_domain.h"

#include "core/registers/field_check.h"
#include "core/state/device_profile.h"
#include "core/text/convert.h"
#include "core/windows/main_form.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

#include "core/windows/names/dual_mux_controls.h"
#include "core/windows/names/forms.h"
#include <array>

namespace zqf {

namespace {

struct DividerEntry {
    std::string_view label;
    std::string_view caption;
    std::string_view box;
    FieldId field;
};

constexpr std::array<DividerEntry, 4> divider_entries{{
    {dual_mux_controls::Label1, "RDivider Value", dual_mux_controls::Text1, FieldId::r_counter},
    {dual_mux_controls::Label2, "INT Divider Value", dual_mux_controls::Text2, FieldId::int_val},
    {dual_mux_controls::Label3, "FRAC Value", dual_mux_controls::Text3, FieldId::frac},
    {dual_mux_controls::Label4, "Modulus Value", dual_mux_controls::Text4, FieldId::mod},
}};

constexpr std::string_view nothing_loaded = "Nothing was stored or written.";

} // namespace

DualMuxForm::DualMuxForm(Program& program)
    : Form(program, std::string(form_name(FormId::dual_mux)), "Muxout"), program_(program) {
    for (const DividerEntry& entry : divider_entries) {
        label(std::string(entry.label), std::string(entry.caption));
        add<TextBox>(std::string(entry.box));
    }
    button(dual_mux_controls::Command3, "Load Now").on_click = [this] { Command3_Click(); };
    button(dual_mux_controls::Command2, "Cancel").on_click = [this] { close(); };
    auto& load_and_close = button(dual_mux_controls::Command1);
    load_and_close.set_tooltip("Load Now and close the window");
    load_and_close.on_click = [this] { Command1_Click(); };
}

void DualMuxForm::Command3_Click() {
    load_now();
}

void DualMuxForm::Command1_Click() {
    // A refused entry keeps the window open, to be corrected.
    if (load_now()) {
        close();
    }
}

bool DualMuxForm::load_now() {
    std::array<double, divider_entries.size()> values{};
    for (std::size_t i = 0; i < divider_entries.size(); ++i) {
        const std::optional<double> value = entry_value(*this, divider_entries[i].box);
        if (!value) {
            program_.beep();
            return false;
        }
        values[i] = *value;
    }
    // R is a 16-bit whole number, a half rounded to the even neighbour.
    const std::optional<int16_t> r = to_int16(values[0]);
    if (!r) {
        program_.beep();
        return false;
    }
    values[0] = *r;
    // No divider goes out that its field of this device cannot carry.
    SharedState& s = program_.state();
    const DeviceProfile& device = device_profile(s.device_name);
    for (std::size_t i = 0; i < divider_entries.size(); ++i) {
        if (const auto misfit = check_field(device, divider_entries[i].field, values[i])) {
            program_.beep();
            warn(program_, misfit_text(*misfit, nothing_loaded));
            return false;
        }
    }
    SharedState entered = s;
    entered.r_count = *r;
    entered.int_val = values[1];
    entered.frac_val = values[2];
    entered.mod_val = values[3];
    if (const std::optional<SenseFault> fault = divider_sense(entered)) {
        program_.beep();
        warn(program_, fault->text + " " + std::string(nothing_loaded));
        return false;
    }
    s = entered;
    if (MainForm* main = program_.main_form()) {
        main->refresh_registers();
    }
    program_.link().send(1);
    program_.link().send(0);
    return true;
}

} // namespace zqf
