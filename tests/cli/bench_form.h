#pragma once

#include "core/windows/program.h"

#include <string>

namespace zqf::cli::testing {

// A window with the controls the program's own windows do not have yet: three
// timers, a rotary selector, a drop target, file dialogs and controls no user
// can reach. Each handler leaves a trace in the `Log` label.
class BenchForm final : public Form {
  public:
    explicit BenchForm(Program& program) : Form(program, "benchform", "Bench") {
        auto& log = label("Log");
        const auto note = [&log](const std::string& what) {
            log.set_caption(log.caption() + what + ";");
        };
        auto& fast = add<Timer>("Fast", 30);
        fast.on_timer = [note, &program] {
            note("fast@" + std::to_string(program.host().now_ms()));
        };
        auto& slow = add<Timer>("Slow", 50);
        slow.on_timer = [note, &program, &fast] {
            note("slow@" + std::to_string(program.host().now_ms()));
            fast.set_timer_enabled(!fast.timer_enabled());
        };
        // Replaces its own window by a fresh one whose fast timer runs.
        add<Timer>("Renew", 40).on_timer = [&program] {
            auto& fresh = program.load<BenchForm>();
            fresh.get<Timer>("Fast").set_timer_enabled(true);
            program.show(fresh);
        };
        auto& knob = add<RotarySelector>("Knob", 3);
        knob.set_label(0, "Off");
        knob.set_label(1, "Low");
        knob.set_label(2, "High");
        knob.on_change = [note, &knob] { note("knob" + std::to_string(knob.position())); };
        frame("Target").on_drop = [note] { note("dropped"); };
        button("Open").on_click = [note, &program] {
            note("open " + program.host().open_file_dialog("*.txt").value_or("(cancel)"));
        };
        button("Save").on_click = [note, &program] {
            note("save " + program.host().save_file_dialog("*.txt").value_or("(cancel)"));
        };
        button("Hidden").set_visible(false);
        button("Greyed").set_enabled(false);
        add<TextBox>("Entry").set_background(std::array<int, 3>{255, 255, 0});
        button("Stop").on_click = [this] { close(); };
        set_focus("Entry");
    }
};

} // namespace zqf::cli::testing
