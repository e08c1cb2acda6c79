#include "core/windows/panel_lists.h"

#include "core/planning/if_counters.h"
#include "core/registers/field_check.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/state/list_choices.h"
#include "core/state/stored_values.h"
#include "core/text/number_entry.h"
#include "core/text/number_text.h"
#include "core/windows/family_panel.h"
#include "core/windows/main_form.h"
#include "core/windows/main_list_items.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/panel_doors.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

using enum Step;
constexpr auto p2 = bit_weight<double>;

// What choosing position n of a list stores; only called for a valid n.
struct ListRule {
    std::string_view name;
    void (*store)(SharedState&, int);
    Steps steps; // after the refresh
};

const ListRule list_rules[] = {
    {main_controls::Combo1, choose_resync, {r2, all_rf}},
    {main_controls::Combo2, [](SharedState& s, int n) { s.test_mode = n; }, {r3, all_rf}},
    {main_controls::Combo3, [](SharedState& s, int n) { s.sd_test_mode = n; }, {r3, all_rf}},
    {main_controls::Combo4, choose_rf_prescaler, {r2, all_rf, all}},
    {main_controls::Combo5, choose_if_prescaler, {r4, all, all_if}},
    {main_controls::Combo7,
     [](SharedState& s, int n) {
         s.muxout_code = n * p2(7);
         s.dual_muxout_index = n;
     },
     {r3, all_rf, all, all_if}},
    {main_controls::Combo8,
     [](SharedState& s, int n) { s.muxout_code = n * p2(20); },
     {r1, all_rf}},
    {main_controls::Combo9,
     [](SharedState& s, int n) { s.muxout_code = n * p2(7); },
     {r3, all_rf, all, all_if}},
    {main_controls::Combo10,
     [](SharedState& s, int n) {
         s.clk_div_mode = clock_divider_modes[static_cast<std::size_t>(n)];
     },
     {r4, all_rf}},
    {main_controls::Combo11,
     [](SharedState& s, int n) { s.muxout_code = n * p2(20); },
     {r0, all_rf}},
    {main_controls::Combo12, [](SharedState& s, int n) { s.sd_test_mode = n; }, {r4, all_rf}},
    {main_controls::Combo13, [](SharedState& s, int n) { s.test_mode = n; }, {r4, all_rf}},
};

const ListRule* rule_of(std::string_view name) {
    for (const ListRule& rule : list_rules) {
        if (rule.name == name) {
            return &rule;
        }
    }
    return nullptr;
}

// The IF counters that Combo5 computes, in the order a refusal names them.
constexpr FieldId if_counter_fields[] = {FieldId::if_r_counter, FieldId::if_b, FieldId::if_a};

constexpr std::string_view plan_if_again = "Plan the IF section again in the IF planner.";
constexpr FieldAdvice if_counter_advice[] = {
    {FieldId::if_r_counter, plan_if_again, plan_if_again},
    {FieldId::if_b, "Choose a larger IF prescaler, or plan the IF section again in the IF planner.",
     plan_if_again},
    {FieldId::if_a, plan_if_again, plan_if_again},
};

} // namespace

PanelLists::PanelLists(MainForm& panel, Program& program, PanelDoors& doors)
    : panel_(panel), program_(program), doors_(doors) {
    for (const ListItems& list : main_list_items()) {
        auto& box = panel_.add<ListBox>(std::string(list.name), std::string(list.initial_text));
        if (rule_of(list.name) != nullptr) {
            box.on_choose = [this, name = list.name] { list_chosen(name); };
        }
    }
    panel_.add<TextBox>(main_controls::phase_reg_textbox, "1").on_change = [this] {
        panel_.get(main_controls::Toggle36).set_state(true);
    };
    panel_.add<TextBox>(main_controls::clock_divider_value_textbox, "0").on_change = [this] {
        clock_divider_changed();
    };
    panel_.get(main_controls::Picture1).on_dblclick = [this] { Picture1_DblClick(); };
}

void PanelLists::list_chosen(std::string_view name) {
    const ListRule* rule = rule_of(name);
    ListBox& list = panel_.get<ListBox>(name);
    const int n = list.index();
    if (n >= 0 && n < list.count()) {
        SharedState& s = program_.state();
        const SharedState before = s;
        rule->store(s, n);
        // IF counters that cannot be used refuse the choice: nothing is
        // stored and the list shows the prescaler the state still holds.
        if (name == main_controls::Combo5 && !set_if_counters()) {
            s = before;
            list.revert_to(if_prescaler_position(s));
            return;
        }
    }
    panel_.refresh_registers();
    panel_.run_steps(rule->steps);
}

int PanelLists::if_prescaler_position(const SharedState& s) {
    for (int position = 0; position < 4; ++position) {
        SharedState choice;
        choose_if_prescaler(choice, position);
        if (choice.if_prescaler == s.if_prescaler) {
            return position;
        }
    }
    return -1;
}

bool PanelLists::set_if_counters() {
    SharedState& s = program_.state();
    // A zero or unusable IF PFD leaves the counters as they were.
    const std::optional<IfCounters> counters = counters_from_if_plan(s);
    if (!counters) {
        program_.beep();
        return false;
    }
    s.if_r = counters->r;
    s.if_n = counters->n;
    s.if_b = counters->swallow.b;
    s.if_a = counters->swallow.a;
    // The plan stays stored, as after a planner's limit failure, but is
    // neither refreshed nor lit for writing.
    return fields_fit(program_, if_counter_fields, if_counter_advice);
}

void PanelLists::clock_divider_changed() {
    // Partly typed or non-numeric text keeps the value last entered. So does a
    // number the 12-bit field cannot carry, which would spill into the mode
    // bits or the address; that one is refused aloud, as no later keystroke
    // makes it fit.
    const auto value = parse_number(panel_.get(main_controls::clock_divider_value_textbox).text());
    if (!value) {
        return;
    }
    SharedState& s = program_.state();
    if (const std::optional<FieldMisfit> misfit =
            check_field(device_profile(s.device_name), FieldId::clk_div_value, *value)) {
        program_.beep();
        warn(program_, misfit_text(*misfit, "The clock divider stays " +
                                                general_form(s.clk_div_value) + "."));
        return;
    }
    s.clk_div_value = *value;
    panel_.refresh_registers();
    panel_.run_steps({r4, all_rf});
}

void PanelLists::Picture1_DblClick() {
    const FamilyPanel* panel = family_row(family_panels, family_of(program_.state().device_name));
    if (panel == nullptr) {
        return;
    }
    if (panel->test_mode_list.text.empty()) {
        doors_.open_rf_test_modes();
        return;
    }
    panel_.get(panel->test_mode_list).set_visible(true);
    panel_.get(panel->sd_test_mode_list).set_visible(true);
    for (const std::string_view name : panel->more_hidden) {
        panel_.get<Control>(name).set_visible(true);
    }
}

} // namespace zqf
