#pragma once

#include "core/ui/form.h"
#include "platform/linux/tick_thread.h"
#include "qt/binder/action_runner.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace zqf::qt {

// The running timers of one window: one schedule on the tick thread per Timer
// control, running while the control is enabled with a positive interval and
// the host has not paused the timers (a message box or file dialog is up).
// Ticks are due at the moment the control was enabled or started afresh (or
// its interval changed) plus whole intervals; a pause keeps that grid. Ticks
// run on the tick thread with the model lock held, never on the window's.
class FormTimers : public QObject {
  public:
    FormTimers(Form& form, QObject& parent, ActionRunner& runner, TickThread& ticks,
               std::recursive_mutex& lock, bool paused);

    // Called with the model lock held, from any thread.
    void set_paused(bool paused);
    // The form is going away: every timer stops for good.
    void unbind();

    int running() const;

  private:
    struct Entry {
        Timer* model;
        std::unique_ptr<TickThread::Schedule> schedule;
        // The control as the schedule last followed it.
        int interval = 0;
        uint64_t starts = 0;
    };
    void show(Entry& entry) const;

    ActionRunner& runner_;
    std::vector<Entry> entries_;
    std::vector<Subscription> subscriptions_;
    bool bound_ = true;
};

} // namespace zqf::qt
