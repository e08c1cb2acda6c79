#pragma once

#include "core/ui/control_name.h"
#include "core/ui/controls.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zqf {

class Form;

// Who opens and closes windows; the program implements it.
class WindowManager {
  public:
    virtual ~WindowManager() = default;
    virtual void close(Form& form) = 0;
};

// The model of one window: its caption, its controls by name, its load
// handler and what its close box does. Controls are created with their
// designed values; a form is made afresh for every opening.
class Form : public Observable {
  public:
    Form(WindowManager& windows, std::string name, std::string caption);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption);

    // Runs when the window is loaded, before it is first shown.
    virtual void load() {}
    // The window's close box. Closes the window unless the form says otherwise.
    virtual void close_box() { close(); }
    void close() { windows_.close(*this); }

    Control* find(std::string_view name) const;
    // The control of that name and type; the form's own code names only
    // controls it has, so a miss is a programming error caught by the tests.
    template <typename C> C& get(std::string_view name) const {
        C* control = dynamic_cast<C*>(find(name));
        if (control == nullptr) {
            throw std::logic_error("form " + name_ + " has no control " + std::string(name));
        }
        return *control;
    }
    template <typename C> C& get(ControlName<C> name) const { return get<C>(name.text); }
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    std::vector<OptionButton*> options_of(std::string_view group) const;

    const std::string& focus() const { return focus_; }
    void set_focus(std::string_view control_name);

    // Keeps every control's visibility, enabled state, captions and switch
    // state as they are now, as the window's designed state.
    void remember_design();
    // Gives every control its designed visibility, enabled state, captions and
    // switch state back (no handler runs).
    void restore_design();

  protected:
    template <typename C, typename... Args> C& add(Args&&... args) {
        auto control = std::make_unique<C>(*this, std::forward<Args>(args)...);
        C& ref = *control;
        by_name_.emplace(ref.name(), &ref);
        controls_.push_back(std::move(control));
        return ref;
    }

    template <typename C, typename... Args> C& add(ControlName<C> name, Args&&... args) {
        return add<C>(name.str(), std::forward<Args>(args)...);
    }

    CaptionControl& label(std::string name, std::string caption = {}) {
        return add<CaptionControl>(std::move(name), ControlKind::label, std::move(caption));
    }
    CaptionControl& button(std::string name, std::string caption = {}) {
        return add<CaptionControl>(std::move(name), ControlKind::button, std::move(caption));
    }
    CaptionControl& menu(std::string name, std::string caption) {
        return add<CaptionControl>(std::move(name), ControlKind::menu, std::move(caption));
    }
    CaptionControl& frame(std::string name, std::string caption = {}) {
        return add<CaptionControl>(std::move(name), ControlKind::frame, std::move(caption));
    }
    CaptionControl& picture(std::string name) {
        return add<CaptionControl>(std::move(name), ControlKind::picture);
    }

    // The same, named by a window's table.
    CaptionControl& label(ControlName<CaptionControl> name, std::string caption = {}) {
        return label(name.str(), std::move(caption));
    }
    CaptionControl& button(ControlName<CaptionControl> name, std::string caption = {}) {
        return button(name.str(), std::move(caption));
    }
    CaptionControl& menu(ControlName<CaptionControl> name, std::string caption) {
        return menu(name.str(), std::move(caption));
    }
    CaptionControl& frame(ControlName<CaptionControl> name, std::string caption = {}) {
        return frame(name.str(), std::move(caption));
    }
    CaptionControl& picture(ControlName<CaptionControl> name) { return picture(name.str()); }

    WindowManager& windows() const { return windows_; }

  private:
    struct Design {
        Control* control;
        bool visible;
        bool enabled;
        std::string caption;    // the caption, or a switch's caption when off
        std::string caption_on; // a switch's caption when on
        bool state;             // a switch's state
    };

    WindowManager& windows_;
    std::string name_;
    std::string caption_;
    std::string focus_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::string, Control*, std::less<>> by_name_;
    std::vector<Design> design_;
};

} // namespace zqf
