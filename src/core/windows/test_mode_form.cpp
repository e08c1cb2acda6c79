#include "core/windows/test_mode_form.h"

#include "core/state/device_profile.h"
#include "core/state/stored_values.h"
#include "core/windows/auxiliary_writes.h"
#include "core/windows/names/forms.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

#include "core/windows/names/main_controls.h"
#include "core/windows/names/test_mode_controls.h"
#include <array>

namespace zqf {

namespace {

constexpr std::array<int, 1> r2{2};

// The RF modes sit in R2 of the dual devices; the 4-register devices take
// every register, the 5-register devices nothing until their next write.
RegisterWrites rf_writes(const DeviceProfile& device) {
    return auxiliary_writes(device, r2);
}

// The IF modes only reach the register image and its read-outs; the user
// writes R6 with the main window's indicators.
RegisterWrites if_writes(const DeviceProfile&) {
    return {.refresh = true, .send_all = false, .order = {}};
}

const TestModeWindow rf_window{
    form_name(FormId::test),       "Test Modes", rf_test_modes, &SharedState::test_mode,
    &SharedState::test_mode_index, rf_writes};
const TestModeWindow if_window{
    form_name(FormId::if_test),       "Form1",  if_test_modes, &SharedState::if_test_mode,
    &SharedState::if_test_mode_index, if_writes};

std::string option_name(int number) {
    return "Option" + std::to_string(number);
}

} // namespace

TestModeForm::TestModeForm(Program& program, const TestModeWindow& window)
    : Form(program, std::string(window.name), std::string(window.caption)), program_(program),
      window_(window) {
    for (int k = 1; k <= static_cast<int>(window.rows.size()); ++k) {
        add<OptionButton>(option_name(k),
                          std::string(window.rows[static_cast<std::size_t>(k - 1)].caption),
                          "mode");
    }
    button(test_mode_controls::Command3, "Load Now").on_click = [this] { Command3_Click(); };
    button(test_mode_controls::Command2, "Cancel").on_click = [this] { close(); };
    auto& load_and_close = button(test_mode_controls::Command1);
    load_and_close.set_tooltip("Load Now and close the window");
    load_and_close.on_click = [this] { Command1_Click(); };
}

void TestModeForm::load() {
    const int index = program_.state().*window_.index;
    if (index >= 1 && index <= static_cast<int>(window_.rows.size())) {
        get<OptionButton>(option_name(index)).select();
    }
}

std::optional<int> TestModeForm::chosen() const {
    for (int k = 1; k <= static_cast<int>(window_.rows.size()); ++k) {
        if (get<OptionButton>(option_name(k)).value()) {
            return k;
        }
    }
    return std::nullopt;
}

void TestModeForm::Command3_Click() {
    SharedState& s = program_.state();
    if (const std::optional<int> k = chosen()) {
        const TestModeRow& row = window_.rows[static_cast<std::size_t>(*k - 1)];
        show_on_main(program_, main_controls::testmode, std::string(row.mode_text));
        s.*window_.field = (*k - 1) * test_mode_window_unit;
        s.*window_.index = static_cast<int16_t>(*k);
    }
    carry_out(program_, window_.writes(device_profile(s.device_name)));
}

void TestModeForm::Command1_Click() {
    Command3_Click();
    close();
}

TestForm::TestForm(Program& program) : TestModeForm(program, rf_window) {}

IfTestForm::IfTestForm(Program& program) : TestModeForm(program, if_window) {}

} // namespace zqf
