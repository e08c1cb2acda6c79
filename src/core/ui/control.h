#pragma once

#include "core/ui/observable.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zqf {

class Form;

enum class ControlKind {
    label,
    button,
    menu,
    frame,
    picture,
    text_box,
    list,
    option,
    toggle,
    selector,
    timer,
    progress,
};

// What a user action on a control came to.
enum class Action { done, not_supported };

// The common part of every control: its name, visibility, enabled state, tool
// tip and the handlers a form attaches to it. Setters notify views only when a
// value really changes.
class Control : public Observable {
  public:
    Control(Form& form, std::string name, ControlKind kind);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }

    bool visible() const { return visible_; }
    void set_visible(bool visible);
    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    // The tool tip shown: the control's own, then its notes on a line of their own.
    const std::string& tooltip() const { return tooltip_; }
    void set_tooltip(std::string tooltip);
    // Notes drawn up for the control from elsewhere (the bit tables), replacing
    // the last ones: set again, they are not repeated.
    void set_tooltip_notes(std::string notes);

    // Handlers the form attaches; a missing one does nothing.
    std::function<void()> on_click;
    std::function<void()> on_dblclick;
    std::function<void()> on_drop;

    // What a user does. The caller decides whether the user can reach the
    // control at all (visible, enabled, not below a modal window).
    virtual Action user_click();
    virtual Action user_dblclick();
    virtual Action user_type(std::string_view text);
    virtual Action user_choose(int index);
    virtual Action user_turn(int position);
    virtual Action user_drop();

    // A named property as text ("on"/"off" for states), or nothing when the
    // control has no such property. The empty name gives the default property.
    virtual std::optional<std::string> property(std::string_view name) const;

  protected:
    static void run(const std::function<void()>& handler) {
        if (handler) {
            handler();
        }
    }
    static std::string on_off(bool value) { return value ? "on" : "off"; }

  private:
    void compose_tooltip();

    Form& form_;
    std::string name_;
    ControlKind kind_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string own_tooltip_;
    std::string tooltip_notes_;
    std::string tooltip_;
};

} // namespace zqf
