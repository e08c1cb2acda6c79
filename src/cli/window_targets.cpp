#include "cli/window_targets.h"

#include "cli/script_words.h"

#include <span>
#include <vector>

namespace zqf::cli {

namespace {

std::vector<std::string_view> parts_of(std::string_view name) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = name.find('.', start);
        parts.push_back(name.substr(start, dot - start));
        if (dot == std::string_view::npos) {
            return parts;
        }
        start = dot + 1;
    }
}

Outcome<Form*> open_form(const Program& program, std::string_view name) {
    Form* form = program.find(name);
    if (form == nullptr) {
        return Failure{"window " + std::string(name) + " is not open"};
    }
    return form;
}

// The control named by the first two parts, in an open window.
Outcome<Control*> open_control(const Program& program, std::span<const std::string_view> parts,
                               std::string_view name) {
    if (parts.size() < 2 || parts[0].empty() || parts[1].empty()) {
        return Failure{"name a control as FORM.CONTROL, not " + quote(name)};
    }
    const Outcome<Form*> form = open_form(program, parts[0]);
    if (const Failure* failure = failure_of(form)) {
        return *failure;
    }
    Control* control = std::get<Form*>(form)->find(parts[1]);
    if (control == nullptr) {
        return Failure{"window " + std::string(parts[0]) + " has no control " +
                       std::string(parts[1])};
    }
    return control;
}

} // namespace

Outcome<std::string> read_window(const Program& program, std::string_view name) {
    const std::vector<std::string_view> parts = parts_of(name);
    if (parts.size() == 2 && (parts[1] == "focus" || parts[1] == "caption")) {
        const Outcome<Form*> form = open_form(program, parts[0]);
        if (const Failure* failure = failure_of(form)) {
            return *failure;
        }
        const Form& window = *std::get<Form*>(form);
        return parts[1] == "focus" ? window.focus() : window.caption();
    }
    if (parts.size() > 3 || (parts.size() == 3 && parts[2].empty())) {
        return Failure{"name a property as FORM.CONTROL.PROPERTY, not " + quote(name)};
    }
    const Outcome<Control*> control = open_control(program, parts, name);
    if (const Failure* failure = failure_of(control)) {
        return *failure;
    }
    const std::string_view property = parts.size() == 3 ? parts[2] : std::string_view();
    const std::optional<std::string> value = std::get<Control*>(control)->property(property);
    if (!value) {
        return Failure{std::string(parts[0]) + "." + std::string(parts[1]) + " has no property " +
                       quote(property)};
    }
    return *value;
}

Outcome<Form*> reachable_form(const Program& program, std::string_view name) {
    const Outcome<Form*> form = open_form(program, name);
    if (failure_of(form) != nullptr) {
        return form;
    }
    const Form& window = *std::get<Form*>(form);
    if (!program.is_shown(window)) {
        return Failure{"window " + std::string(name) + " is not shown"};
    }
    if (program.is_blocked(window)) {
        return Failure{"window " + std::string(name) + " waits for a modal window above it"};
    }
    return form;
}

Outcome<Control*> reachable_control(const Program& program, std::string_view name) {
    const std::vector<std::string_view> parts = parts_of(name);
    if (parts.size() != 2) {
        return Failure{"name a control as FORM.CONTROL, not " + quote(name)};
    }
    const Outcome<Control*> control = open_control(program, parts, name);
    if (failure_of(control) != nullptr) {
        return control;
    }
    const Outcome<Form*> form = reachable_form(program, parts[0]);
    if (const Failure* failure = failure_of(form)) {
        return *failure;
    }
    const Control& target = *std::get<Control*>(control);
    if (!target.visible()) {
        return Failure{std::string(name) + " is not visible, so no user can reach it"};
    }
    if (!target.enabled()) {
        return Failure{std::string(name) + " is not enabled, so no user can reach it"};
    }
    return control;
}

} // namespace zqf::cli
