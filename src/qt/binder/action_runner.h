#pragma once

#include <functional>

class QWidget;

namespace zqf::qt {

// Runs what a user does to a control (a click, a choice, typing) or what a
// timer does. The desktop host counts the nesting, so that windows closed by
// the action are freed only once the outermost action has returned, and holds
// the model lock meanwhile, so no tick runs inside the action.
class ActionRunner {
  public:
    virtual ~ActionRunner() = default;
    virtual void run(const std::function<void()>& action) = 0;
    // What a timer does, run alike; yet what it changes on screen waits for
    // the next frame, where what the user does shows at once.
    virtual void run_tick(const std::function<void()>& tick) { run(tick); }
    // A short look at the models by a view that shows them: no tick changes
    // them meanwhile.
    virtual void look(const std::function<void()>& read) { read(); }
    // What the user does in `window`: the boxes and windows the action opens
    // belong to that window.
    virtual void run_in(QWidget& /*window*/, const std::function<void()>& action) { run(action); }
};

} // namespace zqf::qt
