#include "core/ui/controls.h"

#include "core/ui/form.h"

#include <algorithm>
#include <cmath>

namespace zqf {

// ---- CaptionControl --------------------------------------------------------

void CaptionControl::set_caption(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    notify();
}

std::optional<std::string> CaptionControl::property(std::string_view name) const {
    if (name.empty() || name == "caption") {
        return caption_;
    }
    return Control::property(name);
}

// ---- TextBox -------------------------------------------------------------

void TextBox::set_text(std::string text) {
    if (text_ == text) {
        return;
    }
    text_ = std::move(text);
    check_text();
    notify();
    run(on_change);
}

void TextBox::set_check(Check check) {
    check_ = std::move(check);
    const std::string before = problem_;
    check_text();
    if (problem_ != before) {
        notify();
    }
}

void TextBox::check_text() {
    problem_ = check_ ? check_(text_) : std::string();
}

void TextBox::set_background(std::optional<std::array<int, 3>> rgb) {
    if (background_ == rgb) {
        return;
    }
    background_ = rgb;
    notify();
}

Action TextBox::user_type(std::string_view text) {
    if (text_ != text) {
        text_ = std::string(text);
        check_text();
        notify();
    }
    run(on_change);
    return Action::done;
}

std::optional<std::string> TextBox::property(std::string_view name) const {
    if (name.empty() || name == "text") {
        return text_;
    }
    if (name == "background") {
        if (!background_) {
            return std::string("default");
        }
        const auto& [r, g, b] = *background_;
        return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
    }
    if (name == "problem") {
        return problem_;
    }
    return Control::property(name);
}

// ---- ListBox -------------------------------------------------------------

void ListBox::set_items(std::vector<std::string> items) {
    items_ = std::move(items);
    if (index_ >= count()) {
        index_ = -1;
    }
    notify();
}

std::string ListBox::shown_text() const {
    return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : initial_text_;
}

bool ListBox::set_index(int index) {
    if (index < -1 || index >= count()) {
        return false;
    }
    if (index_ != index) {
        index_ = index;
        notify();
    }
    run(on_choose);
    return true;
}

void ListBox::revert_to(int index) {
    if (index < -1 || index >= count() || index_ == index) {
        return;
    }
    index_ = index;
    notify();
}

Action ListBox::user_choose(int index) {
    if (index < 0 || index >= count()) {
        return Action::not_supported;
    }
    set_index(index);
    return Action::done;
}

std::optional<std::string> ListBox::property(std::string_view name) const {
    if (name.empty() || name == "index") {
        return std::to_string(index_);
    }
    if (name == "text") {
        return shown_text();
    }
    if (name == "count") {
        return std::to_string(count());
    }
    return Control::property(name);
}

// ---- OptionButton --------------------------------------------------------

void OptionButton::set_caption(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    notify();
}

void OptionButton::set_colour(CaptionColour colour) {
    if (colour_ == colour) {
        return;
    }
    colour_ = colour;
    notify();
}

void OptionButton::take_selection() {
    for (OptionButton* other : form().options_of(group_)) {
        if (other != this) {
            other->deselect();
        }
    }
    if (!value_) {
        value_ = true;
        notify();
    }
}

void OptionButton::select() {
    if (value_) {
        return;
    }
    take_selection();
    run(on_click);
}

void OptionButton::deselect() {
    if (!value_) {
        return;
    }
    value_ = false;
    notify();
}

Action OptionButton::user_click() {
    take_selection();
    run(on_click);
    return Action::done;
}

std::optional<std::string> OptionButton::property(std::string_view name) const {
    if (name.empty() || name == "value") {
        return on_off(value_);
    }
    if (name == "caption") {
        return caption_;
    }
    if (name == "color") {
        return std::string(colour_ == CaptionColour::text ? "text" : "shadow");
    }
    return Control::property(name);
}

// ---- ToggleSwitch --------------------------------------------------------

void ToggleSwitch::set_state(bool on) {
    if (state_ == on) {
        return;
    }
    state_ = on;
    notify();
}

void ToggleSwitch::set_captions(std::string off, std::string on) {
    caption_off_ = std::move(off);
    caption_on_ = std::move(on);
    notify();
}

Action ToggleSwitch::user_click() {
    state_ = !state_;
    notify();
    run(on_click);
    return Action::done;
}

std::optional<std::string> ToggleSwitch::property(std::string_view name) const {
    if (name.empty() || name == "state") {
        return on_off(state_);
    }
    if (name == "caption") {
        return caption();
    }
    return Control::property(name);
}

// ---- RotarySelector ------------------------------------------------------

bool RotarySelector::set_position(int position) {
    if (position < 0 || position >= positions()) {
        return false;
    }
    if (position_ != position) {
        position_ = position;
        notify();
    }
    return true;
}

void RotarySelector::set_label(int position, std::string label) {
    if (position < 0 || position >= positions()) {
        return;
    }
    auto& slot = labels_[static_cast<std::size_t>(position)];
    if (slot == label) {
        return;
    }
    slot = std::move(label);
    notify();
}

Action RotarySelector::user_turn(int position) {
    if (!set_position(position)) {
        return Action::not_supported;
    }
    run(on_change);
    return Action::done;
}

std::optional<std::string> RotarySelector::property(std::string_view name) const {
    if (name.empty() || name == "position") {
        return std::to_string(position_);
    }
    if (name == "labels") {
        std::string joined;
        for (std::size_t i = 0; i < labels_.size(); ++i) {
            joined += (i == 0 ? "" : " | ") + labels_[i];
        }
        return joined;
    }
    if (name == "count") {
        return std::to_string(positions());
    }
    return Control::property(name);
}

// ---- Timer ---------------------------------------------------------------

void Timer::set_timer_enabled(bool enabled) {
    if (timer_enabled_ == enabled) {
        return;
    }
    timer_enabled_ = enabled;
    notify();
}

void Timer::set_interval(int interval_ms) {
    if (interval_ == interval_ms) {
        return;
    }
    interval_ = interval_ms;
    notify();
}

void Timer::start() {
    timer_enabled_ = true;
    ++starts_;
    notify();
}

std::optional<std::string> Timer::property(std::string_view name) const {
    if (name.empty() || name == "enabled") {
        return on_off(timer_enabled_);
    }
    if (name == "interval") {
        return std::to_string(interval_);
    }
    return Control::property(name);
}

// ---- ProgressBar -----------------------------------------------------------

void ProgressBar::set_range(double low, double high) {
    if (low_ == low && high_ == high) {
        return;
    }
    low_ = low;
    high_ = high;
    notify();
}

void ProgressBar::set_value(double value, std::string text) {
    if (value_ == value && text_ == text) {
        return;
    }
    value_ = value;
    text_ = std::move(text);
    notify();
}

double ProgressBar::fraction() const {
    if (!(high_ > low_)) {
        return value_ >= high_ ? 1.0 : 0.0;
    }
    const double share = (value_ - low_) / (high_ - low_);
    return std::isfinite(share) ? std::clamp(share, 0.0, 1.0) : 0.0;
}

std::optional<std::string> ProgressBar::property(std::string_view name) const {
    if (name.empty() || name == "percent") {
        return std::to_string(static_cast<int>(std::floor(fraction() * 100.0)));
    }
    if (name == "text") {
        return text_;
    }
    return Control::property(name);
}

} // namespace zqf
