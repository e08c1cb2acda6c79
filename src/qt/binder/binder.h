#pragma once

#include "core/ui/form.h"
#include "qt/binder/action_runner.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QTimer;
class QWidget;

namespace zqf::qt {

// The least time between two showings of what timers change: one screen
// refresh.
inline constexpr int frame_ms = 16;

// Connects a window's widgets with its form's control models by name: the
// widget (or action, or menu) whose objectName is a control's name shows that
// control, and what the user does to it becomes the control's user action.
// Model changes arrive through the controls' subscriptions, from whichever
// thread changed the model (a tick runs on a thread of its own), and are shown
// a frame later on the window's thread, all at once: a timer that changes a
// read-out a thousand times a second costs a relayout per frame, not per
// change, and a tick never waits for a widget. What a tick changes is shown
// when the host flushes, which it does once a frame while timers run. After each user action the
// widget acted on is shown from the model at once, since a list or a text
// field changes itself before the model has had its say.
class Binder : public QObject {
  public:
    Binder(Form& form, QWidget& window, ActionRunner& runner);
    ~Binder() override;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // Shows `widget` (a row, a caption that goes with a field) only while the
    // named control is visible.
    void follow_visible(QWidget& widget, std::string_view control_name);

    // The form is going away: nothing is shown or done any more, and the form
    // is not touched again.
    void unbind();
    bool bound() const { return bound_; }

    // Shows every control whose model changed since the last frame, now. The
    // host calls it after each user action and before anything modal opens.
    void flush();
    bool pending() const { return !dirty_.empty(); }

    // The object that shows a control, or nullptr.
    QObject* target_of(std::string_view control_name) const;
    // Controls of the form that no widget shows (timers have no widget).
    std::vector<std::string> unshown_controls() const;

  private:
    // Something on screen that follows a model: a control's widget, a widget
    // shown with a control, the window's title. `dirty` while a change waits
    // for the next frame.
    struct Shown {
        std::function<void()> show;
        bool dirty = false;
    };

    void collect_targets();
    // Shows now and again a frame after each change of `model`. With the
    // model lock held.
    void watch(Observable& model, std::function<void()> show);
    // With the model lock held, on any thread.
    void changed(std::size_t index);
    void bind(Control& control, QObject& target);
    void connect_actions(Control& control, QObject& target);
    void connect_pointer(Control& control, QWidget& widget);
    void act(Control& control, QObject& target, Action (*action)(Control&, int, const QString&),
             int number = 0, const QString& text = {});
    void show_form();

    Form& form_;
    QWidget& window_;
    ActionRunner& runner_;
    std::map<std::string, QObject*, std::less<>> targets_;
    std::vector<Shown> shown_;
    std::vector<std::size_t> dirty_; // indices into shown_, in order of change; model lock
    QTimer* frame_;
    std::vector<Subscription> subscriptions_;
    bool bound_ = true;
};

} // namespace zqf::qt
