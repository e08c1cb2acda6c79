#pragma once

#include "core/ui/form.h"
#include "qt/binder/action_runner.h"

#include <QObject>

#include <cstdint>
#include <vector>

namespace zqf::qt {

class PreciseTicker;

// The running timers of one window: one precise ticker per Timer control,
// running while the control is enabled with a positive interval and the host
// has not paused the timers (a message box or file dialog is up). Ticks are
// due at the moment the control was enabled or started afresh (or its interval
// changed) plus whole intervals; a pause keeps that grid.
class FormTimers : public QObject {
  public:
    FormTimers(Form& form, QObject& parent, ActionRunner& runner, bool paused);

    void set_paused(bool paused);
    // The form is going away: every timer stops for good.
    void unbind();

    int running() const;
    // The ticker behind a timer control, or nullptr.
    const PreciseTicker* ticker_of(const Timer& timer) const;

  private:
    struct Entry {
        Timer* model;
        PreciseTicker* ticker;
        // The control as the ticker last followed it.
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
