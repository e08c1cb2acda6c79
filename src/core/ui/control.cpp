#include "core/ui/control.h"

namespace zqf {

Control::Control(Form& form, std::string name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind) {}

void Control::set_visible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    visible_ = visible;
    notify();
}

void Control::set_enabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    notify();
}

void Control::set_tooltip(std::string tooltip) {
    own_tooltip_ = std::move(tooltip);
    compose_tooltip();
}

void Control::set_tooltip_notes(std::string notes) {
    tooltip_notes_ = std::move(notes);
    compose_tooltip();
}

void Control::compose_tooltip() {
    std::string tooltip = own_tooltip_;
    if (!tooltip.empty() && !tooltip_notes_.empty()) {
        tooltip += '\n';
    }
    tooltip += tooltip_notes_;
    if (tooltip_ == tooltip) {
        return;
    }
    tooltip_ = std::move(tooltip);
    notify();
}

Action Control::user_click() {
    run(on_click);
    return Action::done;
}

Action Control::user_dblclick() {
    run(on_dblclick);
    return Action::done;
}

Action Control::user_type(std::string_view) {
    return Action::not_supported;
}
Action Control::user_choose(int) {
    return Action::not_supported;
}
Action Control::user_turn(int) {
    return Action::not_supported;
}

Action Control::user_drop() {
    run(on_drop);
    return Action::done;
}

std::optional<std::string> Control::property(std::string_view name) const {
    if (name == "visible") {
        return on_off(visible_);
    }
    if (name == "enabled") {
        return on_off(enabled_);
    }
    if (name == "tooltip") {
        return tooltip_;
    }
    return std::nullopt;
}

} // namespace zqf
