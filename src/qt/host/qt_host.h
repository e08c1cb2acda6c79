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

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QScrollArea;
class QWidget;

namespace zqf {
class Program;
}

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

    void run(const std::function<void()>& action) override;
    void run_tick(const std::function<void()>& tick) override;
    void run_in(QWidget& window, const std::function<void()>& action) override;

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

    void run_outermost(const std::function<void()>& action, bool by_user);
    QWidget* create_window(Form& form, bool modal);
    void place(Form& form, QWidget& window, QWidget* owner, bool modal);
    QWidget* top_window() const;
    // The window a box or a window opened now belongs to: the one the user
    // acted in, else the topmost.
    QWidget* owner_window() const;
    void set_timers_paused(bool paused);
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
    QElapsedTimer last_frame_; // since the windows last showed what ticks changed
    long order_ = 0;
    int action_depth_ = 0;
    int pause_depth_ = 0;
};

} // namespace zqf::qt
