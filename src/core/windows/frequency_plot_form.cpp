#include "core/windows/frequency_plot_form.h"

#include "core/state/device_profile.h"
#include "core/windows/chip_state_form.h"
#include "core/windows/program.h"
#include "files/atomic_write.h"

#include <array>

#include "core/windows/names/forms.h"
#include "core/windows/names/frequency_plot_controls.h"
#include <mutex>

namespace zqf {

namespace {

struct Span {
    std::string_view caption;
    double seconds;
};

constexpr std::array<Span, 4> spans{{
    {"Last 1 s", 1.0},
    {"Last 10 s", 10.0},
    {"Last 1 min", 60.0},
    {"Last 10 min", 600.0},
}};
constexpr int default_span = 1;

RegisterWords chip_words(const Program& program) {
    RegisterWords words{};
    for (int index = 0; index < static_cast<int>(words.size()); ++index) {
        words[static_cast<std::size_t>(index)] = program.chip_word(index);
    }
    return words;
}

} // namespace

FrequencyPlotForm::FrequencyPlotForm(Program& program)
    : Form(program, std::string(form_name(FormId::frequency_plot)), "Frequency Plot"),
      program_(program),
      trace_(program.state(), chip_words(program), program.bus_log(), program.host().now_ms()) {
    label(frequency_plot_controls::lblSpan, "&Show:");
    auto& span = add<ListBox>(frequency_plot_controls::cboSpan);
    std::vector<std::string> captions;
    for (const Span& s : spans) {
        captions.emplace_back(s.caption);
    }
    span.set_items(std::move(captions));
    span.set_index(default_span);
    // Following again after a zoom or a pan is the view's own business.
    button(frequency_plot_controls::cmdLive, "&Live");
    label(frequency_plot_controls::lblHint,
          "Wheel: zoom in time. Drag: pan. Live: follow the writes again.");
    button(frequency_plot_controls::cmdExportPng, "Export &PNG...").on_click = [this] {
        export_png();
    };
    button(frequency_plot_controls::cmdExportCsv, "Export &CSV...").on_click = [this] {
        export_csv();
    };
    button(frequency_plot_controls::cmdClose, "&Close").on_click = [this] { close(); };
}

void FrequencyPlotForm::follow() const {
    // Read at screen rate beside the ticks, which add to what it reads.
    const std::scoped_lock hold(program_.host().model_lock());
    trace_.follow(program_.bus_log(), program_.state(), program_.host().now_ms());
}

bool FrequencyPlotForm::has_if() const {
    return device_profile(program_.state().device_name).if_section;
}

double FrequencyPlotForm::span_s() const {
    const int index = get(frequency_plot_controls::cboSpan).index();
    return index >= 0 ? spans[static_cast<std::size_t>(index)].seconds
                      : spans[default_span].seconds;
}

void FrequencyPlotForm::export_png() {
    save("PNG Images (*.png)|*.png", picture_ ? picture_() : std::nullopt, "picture");
}

void FrequencyPlotForm::export_csv() {
    save("CSV Files (*.csv)|*.csv", trace_.csv(has_if()), "trace");
}

void FrequencyPlotForm::save(std::string_view filter, const std::optional<std::string>& bytes,
                             std::string_view what) {
    if (!bytes) {
        program_.beep();
        return;
    }
    const std::optional<std::string> path = program_.host().save_file_dialog(filter);
    if (!path) {
        return;
    }
    if (const std::string failure = write_atomically(*path, *bytes); !failure.empty()) {
        program_.beep();
        program_.message(MessageIcon::exclamation, program_title,
                         "The " + std::string(what) + " could not be saved: " + failure + ".");
    }
}

} // namespace zqf
