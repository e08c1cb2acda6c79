#pragma once

#include "core/ui/control.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zqf {

// Labels, buttons, menu entries, frames and pictures: a caption and a click.
class CaptionControl : public Control {
  public:
    CaptionControl(Form& form, std::string name, ControlKind kind, std::string caption = {})
        : Control(form, std::move(name), kind), caption_(std::move(caption)) {}

    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption);

    std::optional<std::string> property(std::string_view name) const override;

  private:
    std::string caption_;
};

class TextBox : public Control {
  public:
    TextBox(Form& form, std::string name, std::string text = {})
        : Control(form, std::move(name), ControlKind::text_box), text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    // Set by the program: the change handler runs when the text changes.
    void set_text(std::string text);

    // A background colour of its own, or the default one.
    const std::optional<std::array<int, 3>>& background() const { return background_; }
    void set_background(std::optional<std::array<int, 3>> rgb);

    // Why the text cannot be used as it stands ("\"abc\" is not a number."),
    // worked out by the check whenever the text changes; empty when it can,
    // or when the box has no check. It changes nothing the handlers store.
    const std::string& problem() const { return problem_; }
    using Check = std::function<std::string(std::string_view text)>;
    void set_check(Check check);

    std::function<void()> on_change;

    // Typing replaces the text; the change handler runs once.
    Action user_type(std::string_view text) override;
    Action user_click() override { return Action::not_supported; }
    std::optional<std::string> property(std::string_view name) const override;

  private:
    void check_text();

    std::string text_;
    std::optional<std::array<int, 3>> background_;
    Check check_;
    std::string problem_;
};

// A drop-down list. Without a selection (index -1) it shows its initial text.
class ListBox : public Control {
  public:
    ListBox(Form& form, std::string name, std::string initial_text = {})
        : Control(form, std::move(name), ControlKind::list),
          initial_text_(std::move(initial_text)) {}

    const std::vector<std::string>& items() const { return items_; }
    void set_items(std::vector<std::string> items);
    int index() const { return index_; }
    int count() const { return static_cast<int>(items_.size()); }
    // The text the list shows: the chosen entry, or the initial text.
    std::string shown_text() const;

    // Set by the program: the click handler runs every time, even when the
    // list already shows that entry. Positions outside -1..count-1 are refused.
    bool set_index(int index);
    // Puts back the entry a refused choice replaced: no handler runs.
    void revert_to(int index);

    // Runs when an entry is chosen (by the user or by the program).
    std::function<void()> on_choose;

    Action user_choose(int index) override;
    Action user_click() override { return Action::not_supported; }
    std::optional<std::string> property(std::string_view name) const override;

  private:
    std::string initial_text_;
    std::vector<std::string> items_;
    int index_ = -1;
};

enum class CaptionColour { text, shadow };

// An option button; selecting one deselects the others of its group.
class OptionButton : public Control {
  public:
    OptionButton(Form& form, std::string name, std::string caption, std::string group)
        : Control(form, std::move(name), ControlKind::option), caption_(std::move(caption)),
          group_(std::move(group)) {}

    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption);
    const std::string& group() const { return group_; }
    bool value() const { return value_; }
    CaptionColour colour() const { return colour_; }
    void set_colour(CaptionColour colour);

    // Selected by the program: the click handler runs only when the button
    // was not selected before.
    void select();
    // Deselected by the program: no handler runs.
    void deselect();

    // A user click selects the button and runs its handler.
    Action user_click() override;
    std::optional<std::string> property(std::string_view name) const override;

  private:
    void take_selection();

    std::string caption_;
    std::string group_;
    bool value_ = false;
    CaptionColour colour_ = CaptionColour::text;
};

// A two-state switch with one caption when off and another when on.
class ToggleSwitch : public Control {
  public:
    ToggleSwitch(Form& form, std::string name, std::string caption_off, std::string caption_on)
        : Control(form, std::move(name), ControlKind::toggle), caption_off_(std::move(caption_off)),
          caption_on_(std::move(caption_on)) {}

    bool state() const { return state_; }
    // Set by the program: no handler runs.
    void set_state(bool on);
    const std::string& caption_off() const { return caption_off_; }
    const std::string& caption_on() const { return caption_on_; }
    const std::string& caption() const { return state_ ? caption_on_ : caption_off_; }
    void set_captions(std::string off, std::string on);

    // A user click flips the state, then the handler reads the new state.
    Action user_click() override;
    std::optional<std::string> property(std::string_view name) const override;

  private:
    std::string caption_off_;
    std::string caption_on_;
    bool state_ = false;
};

// A rotary knob with numbered positions, each with a label.
class RotarySelector : public Control {
  public:
    RotarySelector(Form& form, std::string name, int positions)
        : Control(form, std::move(name), ControlKind::selector),
          labels_(static_cast<std::size_t>(positions)) {}

    int position() const { return position_; }
    int positions() const { return static_cast<int>(labels_.size()); }
    // Set by the program: no handler runs. Positions out of range are refused.
    bool set_position(int position);
    const std::vector<std::string>& labels() const { return labels_; }
    void set_label(int position, std::string label);

    std::function<void()> on_change;

    Action user_turn(int position) override;
    Action user_click() override { return Action::not_supported; }
    std::optional<std::string> property(std::string_view name) const override;

  private:
    std::vector<std::string> labels_;
    int position_ = 0;
};

// A periodic timer of a window; the host fires it while it is enabled.
class Timer : public Control {
  public:
    Timer(Form& form, std::string name, int interval_ms = 0)
        : Control(form, std::move(name), ControlKind::timer), interval_(interval_ms) {}

    bool timer_enabled() const { return timer_enabled_; }
    // Enabled again while enabled, the schedule goes on; a change of interval
    // starts it again from the moment of the change.
    void set_timer_enabled(bool enabled);
    int interval() const { return interval_; }
    void set_interval(int interval_ms);
    // Enables the timer with a fresh schedule: the first firing one interval
    // from now, also when it was running already.
    void start();
    // How many fresh schedules the timer has had; a host restarts its clock
    // when this moves.
    uint64_t starts() const { return starts_; }

    std::function<void()> on_timer;
    void fire() { run(on_timer); }
    // Set by a window whose timer can hold: true while a firing would change
    // nothing at all (no value, no word sent, no text, no timer setting), so a
    // clock may pass over such firings without running them.
    std::function<bool()> holds;
    bool holding() const { return holds && holds(); }

    Action user_click() override { return Action::not_supported; }
    Action user_dblclick() override { return Action::not_supported; }
    Action user_drop() override { return Action::not_supported; }
    std::optional<std::string> property(std::string_view name) const override;

  private:
    bool timer_enabled_ = false;
    int interval_ = 0;
    uint64_t starts_ = 0;
};

// How far a piece of work has come: a value between the two ends of a range,
// and a short text the bar shows on it.
class ProgressBar : public Control {
  public:
    ProgressBar(Form& form, std::string name)
        : Control(form, std::move(name), ControlKind::progress) {}

    double low() const { return low_; }
    double high() const { return high_; }
    double value() const { return value_; }
    const std::string& text() const { return text_; }
    void set_range(double low, double high);
    void set_value(double value, std::string text);

    // From 0 (at the low end or below) to 1 (at the high end or beyond). An
    // empty range is all done once the value reaches it.
    double fraction() const;

    Action user_click() override { return Action::not_supported; }
    std::optional<std::string> property(std::string_view name) const override;

  private:
    double low_ = 0.0;
    double high_ = 0.0;
    double value_ = 0.0;
    std::string text_;
};

} // namespace zqf
