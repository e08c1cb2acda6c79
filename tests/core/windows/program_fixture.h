#pragma once

#include "core/ui/host.h"
#include "core/windows/main_form.h"
#include "core/windows/names/device_controls.h"
#include "core/windows/program.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"
#include "temp_dir.h"

#include <string>
#include <vector>

namespace zqf::testing {

// A host that records what the program shows and answers every box with OK.
class RecordingHost final : public Host {
  public:
    std::vector<std::string> events;

    void message_box(MessageIcon icon, std::string_view title, std::string_view text) override {
        static constexpr const char* icons[] = {"none", "exclamation", "critical", "information"};
        events.push_back(std::string("message ") + icons[static_cast<int>(icon)] + " \"" +
                         std::string(title) + "\" \"" + std::string(text) + "\"");
    }
    void beep() override { events.push_back("beep"); }
    std::optional<std::string> open_file_dialog(std::string_view) override { return file; }
    std::optional<std::string> save_file_dialog(std::string_view) override { return file; }
    void show(Form& form, bool modal) override {
        events.push_back((modal ? "shown modal " : "shown ") + form.name());
    }
    void closed(Form& form) override { events.push_back("closed " + form.name()); }
    int64_t now_ms() override { return 0; }
    void quit() override { events.push_back("quit"); }
    void note(std::string_view text) override { events.push_back("note " + std::string(text)); }
    void settings_file_used(std::string_view) override {}
    std::string tick_scheduling() const override { return {}; }

    std::optional<std::string> file;
};

// Everything a window shows: its title and every property of every control.
inline std::vector<std::string> display_of(const Form& form) {
    std::vector<std::string> out{form.caption()};
    for (const auto& control : form.controls()) {
        for (const char* property :
             {"", "caption", "text", "visible", "enabled", "color", "index", "value", "state"}) {
            out.push_back(control->name() + "." + property + "=" +
                          control->property(property).value_or("-"));
        }
    }
    return out;
}

// A program on a virtual board, started in a folder of its own.
struct ProgramBench {
    TempDir folder;
    const std::filesystem::path& dir = folder.path();
    RecordingHost host;
    VirtualBoard board{[this] { return chip_geometry(program.state().device_name); }};
    Program program{host, board, {dir.string(), (dir / "comms_option.txt").string()}};

    SharedState& state() { return program.state(); }
    Form& form(std::string_view name) { return *program.find(name); }
    MainForm& main() { return *program.main_form(); }
    template <typename C> C& control(std::string_view form_name, std::string_view name) {
        return form(form_name).get<C>(name);
    }
    ToggleSwitch& toggle(std::string_view name) { return main().get<ToggleSwitch>(name); }
    bool lit(std::string_view name) { return toggle(name).state(); }

    // Starts the program and confirms the start window with a device option
    // ("Option1".."Option6") and a link option (or none).
    void confirm(std::string_view device_option, std::string_view link_option = "option_par") {
        program.start();
        control<OptionButton>("deviceform", device_option).user_click();
        if (!link_option.empty()) {
            control<OptionButton>("deviceform", link_option).user_click();
        }
        control<CaptionControl>("deviceform", device_controls::Command1).user_click();
        program.collect();
    }

    void click(std::string_view form_name, std::string_view name) {
        form(form_name).find(name)->user_click();
        program.collect();
    }

    // The update indicators, in table order.
    static constexpr const char* indicators[] = {"Toggle19", "Toggle20", "Toggle21", "Toggle22",
                                                 "Toggle23", "Toggle24", "Toggle25", "Toggle30",
                                                 "Toggle29", "Toggle26"};
    void switch_all_indicators_off() {
        for (const char* name : indicators) {
            toggle(name).set_state(false);
        }
    }
    std::vector<std::string> lit_indicators() {
        std::vector<std::string> out;
        for (const char* name : indicators) {
            if (lit(name)) {
                out.emplace_back(name);
            }
        }
        return out;
    }

    // Registers sent from now on, in order.
    std::vector<int> sent;
    void record_sends() {
        program.link().add_observer([this](const SentWord& w) { sent.push_back(w.index); });
    }
};

} // namespace zqf::testing
