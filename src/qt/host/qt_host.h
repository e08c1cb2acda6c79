#pragma once

#include "core/ui/host.h"
#include "qt/binder/action_runner.h"
#include "qt/host/dialogs.h"
#include "qt/host/recent_files.h"
#include "qt/host/view_registry.h"
#include "qt/host/window_place.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

class QScrollArea;
class QTimer;
class QWidget;

namespace zqf {
class Program;
class TickThread;
} // namespace zqf

namespace zqf::qt {

class Binder;
class FormTimers;

// The Host of the desktop program: one window per shown form, built by the
// registry's view and bound to the form; modal forms become application-modal
// dialogs that open without an event loop of their own; message boxes and
// file dialogs block, with every form timer paused meanwhile so no timer
// handler runs inside another handler. After the outermost user action or
// timer tick, closed windows are freed (Program::collect). Windows show what
// timers change at screen rate, and everything at once after a user action
// and before a dialog or another window opens.
//
// Timer ticks run on a thread of their own, so a busy window never makes a
// tick late. Every step holds the model lock (model_lock()) from start to
// end: a tick on its thread, and on the window thread every user action, and
// anything else that changes the models, through run(). A tick may beep and
// show message boxes: each box is shown on the window thread once the tick is
// over, in order, with the timers paused until the last one is answered.
// Opening windows and file dialogs is for the window thread only. A tick
// never wakes the window thread: while a timer runs, the host looks once a
// frame for what the ticks changed.
class QtHost final : public QObject, public Host, public ActionRunner {
  public:
    QtHost(ViewRegistry views, std::unique_ptr<Dialogs> dialogs);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // The program whose closed windows are collected after each action.
    void attach(Program& program) { program_ = &program; }
    // What ends the event loop; by default the application quits.
    void set_quit(std::function<void()> quit) { quit_ = std::move(quit); }
    // Where windows that scroll are remembered between runs; without, they
    // open at their natural size. The main window is remembered per device
    // family, as each family's panel has a size of its own.
    void set_window_places(std::unique_ptr<WindowPlaces> places) { places_ = std::move(places); }
    // The settings files used last, offered in File > Recent Settings; without,
    // the menu is not offered.
    void set_recent_files(std::unique_ptr<RecentFiles> recent) { recent_ = std::move(recent); }

    void message_box(MessageIcon icon, std::string_view title, std::string_view text) override;
    void beep() override;
    std::optional<std::string> open_file_dialog(std::string_view filter) override;
    std::optional<std::string> save_file_dialog(std::string_view filter) override;
    std::optional<SaveChoice> save_file_choosing(std::string_view filters) override;
    void show(Form& form, bool modal) override;
    void closed(Form& form) override;
    int64_t now_ms() override { return clock_.elapsed(); }
    void quit() override;
    void settings_file_used(std::string_view path) override;

    std::string tick_scheduling() const override;

    // Every step that reads or changes the models from the window thread: a
    // user action, a remote command. Holds the model lock, so no tick runs
    // meanwhile; a fault of the program inside is reported, not fatal; closed
    // windows are freed afterwards and every window shows the outcome.
    void run(const std::function<void()>& action) override;
    void run_tick(const std::function<void()>& tick) override;
    void look(const std::function<void()>& read) override;
    void run_in(QWidget& window, const std::function<void()>& action) override;

    // The thread the timers tick on.
    TickThread& tick_thread() { return *ticks_; }

    // File > Recent Settings: Get Settings, its dialog answered with `path`.
    void open_recent(const QString& path);

    // Every window shows its model now, not a frame later: before a look at
    // the screen (a test, a screenshot).
    void flush_views();

    // The window that shows a form, or nullptr.
    QWidget* window_of(const Form& form) const;
    Binder* binder_of(const Form& form) const;
    FormTimers* timers_of(const Form& form) const;
    bool timers_paused() const { return pause_depth_ > 0; }
    bool on_window_thread() const { return std::this_thread::get_id() == window_thread_; }

  private:
    struct View {
        QPointer<QWidget> window;
        Binder* binder = nullptr;
        FormTimers* timers = nullptr;
        long order = 0;
        QScrollArea* scroll = nullptr; // holds the body of a window that scrolls
        bool beside_panel = false;
        QString place; // the name its place is remembered under
    };

    // Pauses the timers of every window while it lives.
    class TimerPause {
      public:
        explicit TimerPause(QtHost& host);
        ~TimerPause();
        TimerPause(const TimerPause&) = delete;
        TimerPause& operator=(const TimerPause&) = delete;

      private:
        QtHost& host_;
    };

    // A message box asked for by a tick, waiting for the window thread.
    struct QueuedBox {
        MessageIcon icon;
        std::string title;
        std::string text;
    };

    void run_outermost(const std::function<void()>& action, bool by_user);
    // Runs `step`; a fault inside is reported in a box, not fatal.
    void contain_fault(const std::function<void()>& step);
    QWidget* create_window(Form& form, bool modal);
    void place(Form& form, QWidget& window, QWidget* owner, bool modal);
    QWidget* top_window() const;
    void pause_timers();
    void resume_timers();
    void set_timers_paused(bool paused);
    void show_queued_boxes();
    // While a timer of a window runs, the windows show what ticks changed
    // once a frame; the look ends with the last timer.
    void follow_ticks();
    bool timers_running() const;
    // What only the window thread may do is refused elsewhere, as a fault.
    void need_window_thread(const char* what) const;
    // The window a box or a window opened now belongs to: the one the user
    // acted in, else the topmost.
    QWidget* owner_window() const;
    // The name a form's place is remembered under.
    QString place_name(const Form& form) const;
    // The main window moves to its own family's place when a settings file
    // switches the device to another family.
    void follow_family();
    void add_recent_menu(QWidget& window);

    ViewRegistry views_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<WindowPlaces> places_;
    std::unique_ptr<RecentFiles> recent_;
    std::optional<std::string> next_open_answer_;
    QPointer<QWidget> acting_;
    Program* program_ = nullptr;
    std::function<void()> quit_;
    std::map<const Form*, View> open_;
    std::vector<QPointer<QWidget>> retiring_;
    QElapsedTimer clock_;
    std::thread::id window_thread_;
    std::unique_ptr<TickThread> ticks_;
    QTimer* frame_ = nullptr; // window thread: shows what ticks changed
    std::deque<QueuedBox> queued_boxes_;
    bool queued_pause_ = false;   // the timers wait for the queued boxes
    bool showing_queued_ = false; // window thread only
    long order_ = 0;
    int action_depth_ = 0;
    std::atomic<int> pause_depth_ = 0;
};

} // namespace zqf::qt
