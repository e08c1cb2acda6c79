#include "core/windows/current_form.h"

#include "core/registers/field_access.h"
#include "core/state/bit_weight.h"
#include "core/state/device_profile.h"
#include "core/text/number_entry.h"
#include "core/text/number_text.h"
#include "core/windows/auxiliary_writes.h"
#include "core/windows/names/forms.h"
#include "core/windows/planner_support.h"
#include "core/windows/program.h"

#include "core/windows/names/current_controls.h"
#include <array>
#include <cmath>

namespace zqf {

namespace {

using S = SharedState;

constexpr std::array<int, 1> r2{2};
constexpr std::array<int, 1> r6{6};
constexpr std::array<int, 2> r2_r0{2, 0};

constexpr std::string_view current_hint =
    "Changes the current setting values depending on the value of R Set";
constexpr std::string_view current_hint_dual =
    "Changes the current setting values depending on the value of RSET";

const CurrentWindow current1_window{
    .name = form_name(FormId::current1),
    .caption = "Current Setting One",
    .resistor_name = "RSET",
    .resistor_hint = current_hint_dual,
    .selector_caption = "Select the desired IF Current Setting value (mA):",
    .update_caption = "Update R6",
    .close_caption = "Exit",
    .positions = 8,
    .reference_ohms = 2700.0,
    .divisor = 8.0,
    .labels = CurrentLabels::steps,
    .field = &S::if_cp_current,
    .field_step = bit_weight(8),
    .cp_half_switch = false,
    .writes = [](const DeviceProfile& device) { return auxiliary_writes(device, r6); },
};

const CurrentWindow current2_window{
    .name = form_name(FormId::current2),
    .caption = "Current Setting 2",
    .resistor_name = "RSET",
    .resistor_hint = current_hint_dual,
    .selector_caption = "Select the desired RF Current Setting value (mA):",
    .update_caption = "Update R2",
    .close_caption = "Exit",
    .positions = 4,
    .reference_ohms = 2700.0,
    .divisor = 8.0,
    .labels = CurrentLabels::odd_multiples,
    .field = &S::rf_cp_current_dual,
    .field_step = bit_weight(9),
    .cp_half_switch = false,
    .writes = [](const DeviceProfile& device) { return auxiliary_writes(device, r2); },
};

const CurrentWindow current7310_window{
    .name = form_name(FormId::current7310),
    .caption = "Current Setting",
    .resistor_name = "R Set",
    .resistor_hint = current_hint,
    .selector_caption = "Select the desired Current Setting value (mA):",
    .update_caption = "Update Register R2",
    .close_caption = "Return to Main Interface Window",
    .positions = 8,
    .reference_ohms = 5100.0,
    .divisor = 8.0,
    .labels = CurrentLabels::steps,
    .field = &S::cp_current_4r,
    .field_step = bit_weight(7),
    .cp_half_switch = true,
    .writes =
        [](const DeviceProfile&) {
            return RegisterWrites{true, true, {}};
        },
};

const CurrentWindow current7340_window{
    .name = form_name(FormId::current7340),
    .caption = "Current Setting",
    .resistor_name = "R Set",
    .resistor_hint = current_hint,
    .selector_caption = "Select the desired Current Setting value (mA):",
    .update_caption = "Update Register R2",
    .close_caption = "Return to Main Interface Window",
    .positions = 16,
    .reference_ohms = 5100.0,
    .divisor = 16.0,
    .labels = CurrentLabels::steps,
    .field = &S::cp_current_5r,
    .field_step = bit_weight(24),
    .cp_half_switch = false,
    .writes =
        [](const DeviceProfile&) {
            return RegisterWrites{true, false, r2_r0};
        },
};

constexpr std::string_view milliamps = "#0.0000";

// The label of every position for a resistor of `ohms` (halved in the
// "CP /2" state), or nothing when the resistor gives no usable currents: it
// must be a positive number, and no current may leave the reals.
std::optional<std::vector<std::string>> current_labels(const CurrentWindow& window, double ohms,
                                                       bool halved) {
    if (!(ohms > 0.0)) {
        return std::nullopt;
    }
    const auto current = [&](int k) {
        const double full = 5.0 * (k + 1) / (window.divisor * ohms) * window.reference_ohms;
        return halved ? full / 2.0 : full;
    };
    if (!std::isfinite(current(window.positions - 1))) {
        return std::nullopt;
    }
    std::vector<std::string> labels;
    if (window.labels == CurrentLabels::odd_multiples) {
        // The base is rounded through its text, and the multiples keep that rounding.
        const std::string base_text = format_template(current(0), milliamps);
        const double base = parse_number(base_text).value_or(0.0);
        labels.push_back(base_text);
        for (int k = 1; k < window.positions; ++k) {
            labels.push_back(general_form((2 * k + 1) * base));
        }
        return labels;
    }
    for (int k = 0; k < window.positions; ++k) {
        labels.push_back(format_template(current(k), milliamps));
    }
    return labels;
}

} // namespace

CurrentForm::CurrentForm(Program& program, const CurrentWindow& window)
    : Form(program, std::string(window.name), std::string(window.caption)), program_(program),
      window_(window) {
    frame(current_controls::Frame1, std::string(window.resistor_name));
    label(current_controls::Label2, std::string(window.resistor_name));
    add<TextBox>(current_controls::Text2);
    label(current_controls::ohms_label, "Ohms");
    label(current_controls::Label1, std::string(window.resistor_hint));
    label(current_controls::Label3, std::string(window.selector_caption));
    add<RotarySelector>(current_controls::Selector1, window.positions)
        .set_tooltip("Grab the pointer to change the setting.");
    if (window.cp_half_switch) {
        add<ToggleSwitch>(current_controls::Toggle1, "CP Normal", "CP /2");
    }
    button(current_controls::Command3, std::string(window.update_caption)).on_click = [this] {
        Command3_Click();
    };
    button(current_controls::Command2, std::string(window.close_caption)).on_click = [this] {
        close();
    };
}

bool CurrentForm::halved() const {
    return window_.cp_half_switch && get(current_controls::Toggle1).state();
}

void CurrentForm::show_labels(const std::vector<std::string>& labels) {
    auto& selector = get(current_controls::Selector1);
    for (int k = 0; k < static_cast<int>(labels.size()); ++k) {
        selector.set_label(k, labels[static_cast<std::size_t>(k)]);
    }
}

void CurrentForm::load() {
    const SharedState& s = program_.state();
    get(current_controls::Text2).set_text(general_form(s.rset_ohms));
    const double stored = field_value(s, window_.field);
    for (int k = 0; k < window_.positions; ++k) {
        if (k * window_.field_step == stored) {
            get(current_controls::Selector1).set_position(k);
        }
    }
    if (window_.cp_half_switch) {
        get(current_controls::Toggle1).set_state(s.cp_div2 == bit_weight<int16_t>(10));
    }
    // A resistor no current can be had from (from a settings file) leaves the stops unlabelled.
    if (const auto labels = current_labels(window_, s.rset_ohms, halved())) {
        show_labels(*labels);
    }
}

void CurrentForm::Command3_Click() {
    // A resistor that gives no currents is refused before anything is stored.
    const std::optional<double> ohms = entry_value(*this, current_controls::Text2);
    const auto labels = ohms ? current_labels(window_, *ohms, halved()) : std::nullopt;
    if (!labels) {
        program_.beep();
        return;
    }
    SharedState& s = program_.state();
    const int k = get(current_controls::Selector1).position();
    set_field(s, window_.field, k * window_.field_step);
    if (window_.cp_half_switch) {
        s.cp_div2 = halved() ? bit_weight<int16_t>(10) : int16_t{0};
    }
    s.rset_ohms = *ohms;
    show_labels(*labels);
    carry_out(program_, window_.writes(device_profile(s.device_name)));
}

Current1Form::Current1Form(Program& program) : CurrentForm(program, current1_window) {}
Current2Form::Current2Form(Program& program) : CurrentForm(program, current2_window) {}
CurrentForm7310::CurrentForm7310(Program& program) : CurrentForm(program, current7310_window) {}
CurrentForm7340::CurrentForm7340(Program& program) : CurrentForm(program, current7340_window) {}

} // namespace zqf
