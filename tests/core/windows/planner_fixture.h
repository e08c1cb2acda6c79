#pragma once

#include "program_fixture.h"

#include <string>
#include <vector>

namespace zqf::testing {

// A confirmed program with one of the planning windows opened from the main
// window as a user would, recording what is sent from then on.
struct PlannerBench : ProgramBench {
    std::string window;

    PlannerBench(std::string_view device_option, std::string_view door, std::string window_name,
                 std::string_view link_option = "option_par")
        : window(std::move(window_name)) {
        confirm(device_option, link_option);
        record_sends();
        main().find(door)->user_click();
        host.events.clear();
    }

    Form& planner() { return form(window); }
    bool open() { return program.find(window) != nullptr; }
    TextBox& box(std::string_view name) { return planner().get<TextBox>(name); }
    std::string text(std::string_view name) { return box(name).text(); }
    std::string caption(std::string_view name) {
        return planner().get<CaptionControl>(name).caption();
    }
    std::string main_caption(std::string_view name) {
        return main().get<CaptionControl>(name).caption();
    }
    void type(std::string_view name, std::string_view text) { box(name).user_type(text); }
    void click(std::string_view name) {
        planner().find(name)->user_click();
        program.collect();
    }
    // Forgets what was sent and shown so far.
    void forget() {
        sent.clear();
        host.events.clear();
    }
    std::string warning(std::string_view text) {
        return "message exclamation \"Norvik Evaluation Software\" \"" + std::string(text) + "\"";
    }
};

} // namespace zqf::testing
