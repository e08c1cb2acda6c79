// The update indicators: which registers still have to be written, and the
// group writes behind them.
#include "core/state/devices.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"

#include <array>

namespace zqf {

namespace {

struct IndicatorRow {
    std::string_view name;
    std::string_view caption_off;
    std::string_view caption_on;
};

constexpr IndicatorRow indicator_rows[] = {
    {"Toggle19", "R0 Updated", "Update R0"},
    {"Toggle20", "R1 Updated", "Update R1"},
    {"Toggle21", "R2 Updated", "Update R2"},
    {"Toggle22", "R3 Updated", "Update R3"},
    {"Toggle23", "R4 Updated", "Update R4"},
    {"Toggle24", "R5 Updated", "Update R5"},
    {"Toggle25", "R6 Updated", "Update R6"},
    {"Toggle30", "All RF Registers Updated", "Update All RF Registers"},
    {"Toggle29", "All IF Registers Updated", "Update All IF Registers"},
    {"Toggle26", "All Registers Updated", "Update All Registers"},
};

constexpr std::string_view indicator_tooltip =
    "When this is bright blue, some register setting has changed, and the appropriate register "
    "needs to be updated.";

// The per-register indicators R0 to R6.
constexpr std::array<std::string_view, 7> register_indicators{
    "Toggle19", "Toggle20", "Toggle21", "Toggle22", "Toggle23", "Toggle24", "Toggle25",
};

} // namespace

void MainForm::create_indicators() {
    for (const IndicatorRow& row : indicator_rows) {
        auto& indicator = add<ToggleSwitch>(std::string(row.name), std::string(row.caption_off),
                                            std::string(row.caption_on));
        indicator.set_tooltip(std::string(indicator_tooltip));
    }
    for (int k = 0; k <= 5; ++k) {
        get<ToggleSwitch>(register_indicators[static_cast<std::size_t>(k)]).on_click = [this, k] {
            register_indicator_click(k);
        };
    }
    get<ToggleSwitch>("Toggle25").on_click = [this] { Toggle25_Click(); };
    get<ToggleSwitch>("Toggle30").on_click = [this] { Toggle30_Click(); };
    get<ToggleSwitch>("Toggle29").on_click = [this] { Toggle29_Click(); };
    get<ToggleSwitch>("Toggle26").on_click = [this] { Toggle26_Click(); };

    auto& usb = add<ToggleSwitch>("usb_display_toggle", "USB Not Detected", "USB Detected");
    usb.set_visible(false);
}

bool MainForm::off(std::string_view toggle) const {
    return !get<ToggleSwitch>(toggle).state();
}

void MainForm::sync_all_indicator() {
    for (const std::string_view name : register_indicators) {
        if (!off(name)) {
            return;
        }
    }
    switch_off("Toggle26");
}

void MainForm::sync_rf_indicator() {
    if (off("Toggle19") && off("Toggle20") && off("Toggle21") && off("Toggle22")) {
        switch_off("Toggle30");
    }
}

void MainForm::sync_if_indicator() {
    if (off("Toggle22") && off("Toggle23") && off("Toggle24") && off("Toggle25")) {
        switch_off("Toggle29");
    }
}

void MainForm::register_indicator_click(int index) {
    program_.link().send(index);
    const std::string_view name = register_indicators[static_cast<std::size_t>(index)];
    if (!off(name)) {
        switch_off(name);
    }
    sync_all_indicator();
    if (index <= 3) {
        sync_rf_indicator();
    }
    if (index >= 3) {
        sync_if_indicator();
    }
}

void MainForm::Toggle25_Click() {
    if (!off("Toggle25")) {
        switch_off("Toggle25");
    } else {
        program_.link().send(6);
    }
    sync_all_indicator();
    sync_if_indicator();
}

void MainForm::Toggle30_Click() {
    if (off("Toggle30")) {
        for (const std::string_view name : {"Toggle22", "Toggle21", "Toggle20", "Toggle19"}) {
            switch_off(name);
        }
        if (is_five_register(program_.state().device_name)) {
            switch_off("Toggle23");
        }
    } else {
        switch_off("Toggle30");
    }
    sync_all_indicator();
    sync_if_indicator();
    program_.link().send_all_registers();
}

void MainForm::Toggle29_Click() {
    if (off("Toggle29")) {
        for (const std::string_view name : {"Toggle22", "Toggle23", "Toggle24", "Toggle25"}) {
            switch_off(name);
        }
    } else {
        switch_off("Toggle29");
    }
    program_.link().send_if_registers();
    sync_all_indicator();
    sync_rf_indicator();
}

void MainForm::Toggle26_Click() {
    for (const IndicatorRow& row : indicator_rows) {
        switch_off(row.name);
    }
    const std::string& device = program_.state().device_name;
    if (is_dual(device)) {
        program_.link().send_every_register();
    } else if (is_four_register(device)) {
        program_.link().send_all_registers();
    }
}

void MainForm::run_steps(std::string_view steps) {
    static constexpr std::pair<std::string_view, std::string_view> indicators[] = {
        {"R0", "Toggle19"},    {"R1", "Toggle20"},  {"R2", "Toggle21"}, {"R3", "Toggle22"},
        {"R4", "Toggle23"},    {"R5", "Toggle24"},  {"R6", "Toggle25"}, {"AllRF", "Toggle30"},
        {"AllIF", "Toggle29"}, {"All", "Toggle26"},
    };
    while (!steps.empty()) {
        const std::size_t blank = steps.find(' ');
        const std::string_view step = steps.substr(0, blank);
        steps = blank == std::string_view::npos ? std::string_view() : steps.substr(blank + 1);
        if (step == "refresh") {
            refresh_registers();
            continue;
        }
        if (step == "sendall") {
            program_.link().send_all_registers();
            continue;
        }
        for (const auto& [token, toggle] : indicators) {
            if (step == token) {
                light(toggle);
            }
        }
    }
}

} // namespace zqf
