#include "core/windows/dual_power_form.h"

#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/windows/auxiliary_writes.h"
#include "core/windows/names/dual_power_controls.h"
#include "core/windows/names/forms.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

namespace zqf {

namespace {

// One frame: the field, its normal-operation button and its powerdown button.
struct PowerFrame {
    std::string_view frame;
    std::string_view caption;
    double SharedState::*field;
    std::string_view normal;
    std::string_view normal_caption;
    std::string_view powerdown;
    std::string_view powerdown_caption;
};

// In the order Load Now stores them.
constexpr PowerFrame power_frames[] = {
    {dual_power_controls::Frame1, "RF Section", &SharedState::rf_powerdown,
     dual_power_controls::Option1, "Normal Operation (No powerdown)", dual_power_controls::Option2,
     "Powerdown"},
    {dual_power_controls::Frame2, "IF Section", &SharedState::if_powerdown,
     dual_power_controls::Option3, "Normal Operation (No powerdown)", dual_power_controls::Option4,
     "Powerdown"},
    {dual_power_controls::Frame3, "RF and IF", &SharedState::rf_if_powerdown,
     dual_power_controls::Option5, "Normal Operation (No Powerdown)", dual_power_controls::Option6,
     "RF and IF Section Powerdown"},
};

constexpr double powered_down = bit_weight(5);

} // namespace

DualPowerForm::DualPowerForm(Program& program)
    : Form(program, std::string(form_name(FormId::dual_power)), "PowerDown"), program_(program) {
    for (const PowerFrame& row : power_frames) {
        frame(std::string(row.frame), std::string(row.caption));
        add<OptionButton>(std::string(row.normal), std::string(row.normal_caption),
                          std::string(row.frame));
        add<OptionButton>(std::string(row.powerdown), std::string(row.powerdown_caption),
                          std::string(row.frame));
    }
    button(dual_power_controls::Command3, "Load Now").on_click = [this] { Command3_Click(); };
    button(dual_power_controls::Command2, "Cancel").on_click = [this] { close(); };
    auto& load_and_close = button(dual_power_controls::Command1);
    load_and_close.set_tooltip("Load Now and close the window");
    load_and_close.on_click = [this] { Command1_Click(); };
}

void DualPowerForm::load() {
    const SharedState& s = program_.state();
    for (const PowerFrame& row : power_frames) {
        if (s.*row.field == 0.0) {
            get<OptionButton>(row.normal).select();
        } else if (s.*row.field == powered_down) {
            get<OptionButton>(row.powerdown).select();
        }
    }
}

void DualPowerForm::Command3_Click() {
    SharedState& s = program_.state();
    for (const PowerFrame& row : power_frames) {
        if (get<OptionButton>(row.normal).value()) {
            s.*row.field = 0.0;
        } else if (get<OptionButton>(row.powerdown).value()) {
            s.*row.field = powered_down;
        }
    }
    // The three fields lie in three registers, so there is no register of
    // this window's own: on the dual devices they wait for the next write of
    // R2, R6 and R3.
    carry_out(program_, auxiliary_writes(device_profile(s.device_name), {}));
}

void DualPowerForm::Command1_Click() {
    Command3_Click();
    close();
}

} // namespace zqf
