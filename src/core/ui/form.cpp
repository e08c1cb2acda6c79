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

void Form::set_focus(std::string control_name) {
    if (focus_ == control_name) {
        return;
    }
    focus_ = std::move(control_name);
    notify();
}

} // namespace zqf
