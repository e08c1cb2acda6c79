#pragma once

#include "core/ui/form.h"
#include "qt/binder/action_runner.h"

#include <QObject>

#include <vector>

class QTimer;

namespace zqf::qt {

// The running timers of one window: one precise QTimer per Timer control,
// running while the control is enabled with a positive interval and the
// host has not paused the timers (a message box or file dialog is up).
class FormTimers : public QObject {
  public:
    FormTimers(Form& form, QObject& parent, ActionRunner& runner, bool paused);

    void set_paused(bool paused);
    // The form is going away: every timer stops for good.
    void unbind();

    int running() const;

  private:
    struct Entry {
        Timer* model;
        QTimer* timer;
    };
    void show(const Entry& entry) const;

    ActionRunner& runner_;
    std::vector<Entry> entries_;
    std::vector<Subscription> subscriptions_;
    bool paused_;
    bool bound_ = true;
};

} // namespace zqf::qt
