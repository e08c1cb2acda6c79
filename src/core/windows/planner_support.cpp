#include "core/windows/planner_support.h"

#include "core/planning/arithmetic.h"
#include "core/state/device_profile.h"
#include "core/text/number_entry.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

// The main panel's read-outs a planner's plan shows.
constexpr ControlName<CaptionControl> plan_readouts[] = {
    main_controls::vcofreq,   main_controls::ref_freq,  main_controls::modulus,
    main_controls::fraclabel, main_controls::crystal,   main_controls::crystalIF,
    main_controls::ifvcofreq, main_controls::ifref_freq};

} // namespace

PlanUndo::PlanUndo(Program& program) : program_(program), state_(program.state()) {
    if (const MainForm* main = program.main_form()) {
        for (const ControlName<CaptionControl> name : plan_readouts) {
            readouts_.emplace_back(name, main->get(name).caption());
        }
    }
}

void PlanUndo::restore() const {
    program_.state() = state_;
    for (const auto& [name, caption] : readouts_) {
        show_on_main(program_, name, caption);
    }
}

bool no_objection(Program& program, const std::optional<std::string>& reason) {
    if (!reason) {
        return true;
    }
    program.beep();
    warn(program, *reason);
    return false;
}

void carry_out(Program& program, const RegisterWrites& writes) {
    if (writes.refresh) {
        if (MainForm* main = program.main_form()) {
            main->refresh_registers();
        }
    }
    if (writes.send_all) {
        program.link().send_all_registers();
    }
    for (const int index : writes.order) {
        program.link().send(index);
    }
}

bool fields_fit(Program& program, std::span<const FieldId> fields,
                std::span<const FieldAdvice> advice) {
    const std::optional<FieldMisfit> misfit = check_stored_fields(program.state(), fields);
    if (!misfit) {
        return true;
    }
    warn_misfit(program, *misfit, advice);
    return false;
}

void warn_misfit(Program& program, const FieldMisfit& misfit, std::span<const FieldAdvice> advice) {
    std::string_view what_to_change;
    for (const FieldAdvice& row : advice) {
        if (row.id == misfit.id) {
            what_to_change = misfit.value < 0.0 ? row.negative : row.too_large;
        }
    }
    program.beep();
    warn(program, misfit_text(misfit, what_to_change));
}

void show_on_main(Program& program, ControlName<CaptionControl> control, std::string text) {
    if (MainForm* main = program.main_form()) {
        main->get(control).set_caption(std::move(text));
    }
}

void warn(Program& program, std::string_view text) {
    program.message(MessageIcon::exclamation, program_title, text);
}

std::optional<double> entry_value(const Form& form, std::string_view text_box) {
    return parse_number(form.get<TextBox>(text_box).text());
}

std::optional<double> scaled_entry(const Form& form, std::string_view text_box, double factor) {
    const std::optional<double> value = entry_value(form, text_box);
    if (!value) {
        return std::nullopt;
    }
    return finite(*value * factor);
}

} // namespace zqf
