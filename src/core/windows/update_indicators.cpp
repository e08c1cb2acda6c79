#include "core/windows/update_indicators.h"

#include "core/state/device_profile.h"
#include "core/windows/display_pairs.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"

#include <algorithm>
#include <array>

namespace zqf {

namespace {

struct IndicatorRow {
    ControlName<ToggleSwitch> name;
    std::string_view caption_off;
    std::string_view caption_on;
};

constexpr IndicatorRow indicator_rows[] = {
    {display_pairs[0].indicator, "R0 Updated", "Update R0"},
    {display_pairs[1].indicator, "R1 Updated", "Update R1"},
    {display_pairs[2].indicator, "R2 Updated", "Update R2"},
    {display_pairs[3].indicator, "R3 Updated", "Update R3"},
    {display_pairs[4].indicator, "R4 Updated", "Update R4"},
    {display_pairs[5].indicator, "R5 Updated", "Update R5"},
    {display_pairs[6].indicator, "R6 Updated", "Update R6"},
    {all_rf_indicator, "All RF Registers Updated", "Update All RF Registers"},
    {all_if_indicator, "All IF Registers Updated", "Update All IF Registers"},
    {all_indicator, "All Registers Updated", "Update All Registers"},
};

constexpr std::string_view indicator_tooltip =
    "When this is bright blue, some register setting has changed, and the appropriate register "
    "needs to be updated.";

ControlName<ToggleSwitch> register_indicator(int index) {
    return display_pairs[static_cast<std::size_t>(index)].indicator;
}

} // namespace

ControlName<ToggleSwitch> indicator_of(Step step) {
    switch (step) {
    case Step::r0:
    case Step::r1:
    case Step::r2:
    case Step::r3:
    case Step::r4:
    case Step::r5:
    case Step::r6:
        return register_indicator(static_cast<int>(step) - static_cast<int>(Step::r0));
    case Step::all_rf:
        return all_rf_indicator;
    case Step::all_if:
        return all_if_indicator;
    case Step::all:
        return all_indicator;
    case Step::refresh:
    case Step::send_all:
        break;
    }
    return {};
}

UpdateIndicators::UpdateIndicators(MainForm& panel, Program& program)
    : panel_(panel), program_(program) {
    for (const IndicatorRow& row : indicator_rows) {
        auto& indicator = panel.add<ToggleSwitch>(
            std::string(row.name), std::string(row.caption_off), std::string(row.caption_on));
        indicator.set_tooltip(std::string(indicator_tooltip));
    }
    for (int k = 0; k <= 5; ++k) {
        panel.get(register_indicator(k)).on_click = [this, k] { register_indicator_click(k); };
    }
    panel.get(register_indicator(6)).on_click = [this] { r6_indicator_click(); };
    panel.get(all_rf_indicator).on_click = [this] { rf_set_indicator_click(); };
    panel.get(all_if_indicator).on_click = [this] { if_set_indicator_click(); };
    panel.get(all_indicator).on_click = [this] { all_indicator_click(); };

    auto& usb = panel.add<ToggleSwitch>(main_controls::usb_display_toggle, "USB Not Detected",
                                        "USB Detected");
    usb.set_visible(false);
}

bool UpdateIndicators::off(ControlName<ToggleSwitch> indicator) const {
    return !panel_.get(indicator).state();
}

void UpdateIndicators::switch_off(ControlName<ToggleSwitch> indicator) {
    panel_.get(indicator).set_state(false);
}

void UpdateIndicators::sync_all_indicator() {
    for (const DisplayPair& pair : display_pairs) {
        if (!off(pair.indicator)) {
            return;
        }
    }
    switch_off(all_indicator);
}

void UpdateIndicators::sync_rf_indicator() {
    if (std::ranges::all_of(rf_set_indicators, [this](auto name) { return off(name); })) {
        switch_off(all_rf_indicator);
    }
}

void UpdateIndicators::sync_if_indicator() {
    if (std::ranges::all_of(if_set_indicators, [this](auto name) { return off(name); })) {
        switch_off(all_if_indicator);
    }
}

void UpdateIndicators::register_indicator_click(int index) {
    program_.link().send(index);
    const ControlName<ToggleSwitch> name = register_indicator(index);
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

void UpdateIndicators::r6_indicator_click() {
    if (!off(register_indicator(6))) {
        switch_off(register_indicator(6));
    } else {
        program_.link().send(6);
    }
    sync_all_indicator();
    sync_if_indicator();
}

void UpdateIndicators::rf_set_indicator_click() {
    if (off(all_rf_indicator)) {
        for (const ControlName<ToggleSwitch> name : rf_set_indicators) {
            switch_off(name);
        }
        // The RF set of the 5-register family includes R4.
        if (family_of(program_.state().device_name) == Family::five_register) {
            switch_off(register_indicator(4));
        }
    } else {
        switch_off(all_rf_indicator);
    }
    sync_all_indicator();
    sync_if_indicator();
    program_.link().send_all_registers();
}

void UpdateIndicators::if_set_indicator_click() {
    if (off(all_if_indicator)) {
        for (const ControlName<ToggleSwitch> name : if_set_indicators) {
            switch_off(name);
        }
    } else {
        switch_off(all_if_indicator);
    }
    program_.link().send_if_registers();
    sync_all_indicator();
    sync_rf_indicator();
}

void UpdateIndicators::all_indicator_click() {
    for (const IndicatorRow& row : indicator_rows) {
        switch_off(row.name);
    }
    switch (device_profile(program_.state().device_name).all_registers_write) {
    case AllRegistersWrite::send_every:
        program_.link().send_every_register();
        break;
    case AllRegistersWrite::send_all:
        program_.link().send_all_registers();
        break;
    case AllRegistersWrite::nothing:
        break;
    }
}

} // namespace zqf
