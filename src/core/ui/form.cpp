#include "core/ui/form.h"

namespace zqf {

Form::Form(WindowManager& windows, std::string name, std::string caption)
    : windows_(windows), name_(std::move(name)), caption_(std::move(caption)) {}

void Form::set_caption(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    notify();
}

Control* Form::find(std::string_view name) const {
    const auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second;
}

std::vector<OptionButton*> Form::options_of(std::string_view group) const {
    std::vector<OptionButton*> out;
    for (const auto& control : controls_) {
        if (auto* option = dynamic_cast<OptionButton*>(control.get());
            option != nullptr && option->group() == group) {
            out.push_back(option);
        }
    }
    return out;
}

void Form::set_focus(std::string_view control_name) {
    if (focus_ == control_name) {
        return;
    }
    focus_ = std::string(control_name);
    notify();
}

void Form::remember_design() {
    design_.clear();
    for (const auto& control : controls_) {
        Design design{control.get(), control->visible(), control->enabled(), {}, {}, false};
        if (const auto* caption = dynamic_cast<const CaptionControl*>(control.get())) {
            design.caption = caption->caption();
        } else if (const auto* option = dynamic_cast<const OptionButton*>(control.get())) {
            design.caption = option->caption();
        } else if (const auto* toggle = dynamic_cast<const ToggleSwitch*>(control.get())) {
            design.caption = toggle->caption_off();
            design.caption_on = toggle->caption_on();
            design.state = toggle->state();
        }
        design_.push_back(std::move(design));
    }
}

void Form::restore_design() {
    for (const Design& design : design_) {
        Control& control = *design.control;
        control.set_visible(design.visible);
        control.set_enabled(design.enabled);
        if (auto* caption = dynamic_cast<CaptionControl*>(&control)) {
            caption->set_caption(design.caption);
        } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
            option->set_caption(design.caption);
        } else if (auto* toggle = dynamic_cast<ToggleSwitch*>(&control)) {
            toggle->set_captions(design.caption, design.caption_on);
            toggle->set_state(design.state);
        }
    }
}

} // namespace zqf
