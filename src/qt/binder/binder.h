#pragma once

#include "core/ui/form.h"
#include "qt/binder/action_runner.h"

#include <QObject>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace zqf::qt {

// Connects a window's widgets with its form's control models by name: the
// widget (or action, or menu) whose objectName is a control's name shows that
// control, and what the user does to it becomes the control's user action.
// Model changes arrive through the controls' subscriptions; after each user
// action the widget is shown from the model again, since a list or a text
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

    // The object that shows a control, or nullptr.
    QObject* target_of(std::string_view control_name) const;
    // Controls of the form that no widget shows (timers have no widget).
    std::vector<std::string> unshown_controls() const;

  private:
    void collect_targets();
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
    std::vector<Subscription> subscriptions_;
    bool bound_ = true;
};

} // namespace zqf::qt
