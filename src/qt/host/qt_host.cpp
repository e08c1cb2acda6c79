#include "qt/host/qt_host.h"

#include "core/windows/program.h"
#include "platform/linux/tick_thread.h"
#include "qt/binder/binder.h"
#include "qt/binder/show_control.h"
#include "qt/host/form_timers.h"
#include "qt/host/form_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <iostream>
#include <stdexcept>
#include <utility>

namespace zqf::qt {

QtHost::TimerPause::TimerPause(QtHost& host) : host_(host) {
    host_.pause_timers();
}

QtHost::TimerPause::~TimerPause() {
    host_.resume_timers();
}

QtHost::QtHost(ViewRegistry views, std::unique_ptr<Dialogs> dialogs)
    : views_(std::move(views)), dialogs_(std::move(dialogs)),
      window_thread_(std::this_thread::get_id()), ticks_(std::make_unique<TickThread>()),
      frame_(new QTimer(this)) {
    clock_.start();
    frame_->setInterval(frame_ms);
    connect(frame_, &QTimer::timeout, this, [this] {
        flush_views();
        if (!timers_running()) {
            frame_->stop();
        }
    });
}

void QtHost::follow_ticks() {
    if (on_window_thread() && !frame_->isActive() && timers_running()) {
        frame_->start();
    }
}

bool QtHost::timers_running() const {
    for (const auto& [form, view] : open_) {
        if (view.timers->running() > 0) {
            return true;
        }
    }
    return false;
}

QtHost::~QtHost() {
    // No tick runs while the windows and their timers go.
    const std::scoped_lock hold(model_lock());
    for (auto& [form, view] : open_) {
        view.binder->unbind();
        view.timers->unbind();
        delete view.window.data();
    }
    for (const QPointer<QWidget>& window : retiring_) {
        delete window.data();
    }
}

std::string QtHost::tick_scheduling() const {
    return describe_tick_scheduling(ticks_->scheduling());
}

void QtHost::need_window_thread(const char* what) const {
    if (!on_window_thread()) {
        throw std::logic_error(std::string(what) + " was asked for away from the window thread");
    }
}

void QtHost::pause_timers() {
    const std::scoped_lock hold(model_lock());
    if (pause_depth_++ == 0) {
        set_timers_paused(true);
    }
}

void QtHost::resume_timers() {
    const std::scoped_lock hold(model_lock());
    if (--pause_depth_ == 0) {
        set_timers_paused(false);
        follow_ticks();
    }
}

void QtHost::set_timers_paused(bool paused) {
    for (const auto& [form, view] : open_) {
        view.timers->set_paused(paused);
    }
}

void QtHost::flush_views() {
    for (const auto& [form, view] : open_) {
        view.binder->flush();
    }
}

void QtHost::message_box(MessageIcon icon, std::string_view title, std::string_view text) {
    if (!on_window_thread()) {
        // A tick's box waits for the window thread; the tick goes on to its
        // end, and no other tick comes before the box is answered.
        const std::scoped_lock hold(model_lock());
        if (!queued_pause_) {
            queued_pause_ = true;
            pause_timers();
        }
        queued_boxes_.push_back({icon, std::string(title), std::string(text)});
        QMetaObject::invokeMethod(this, &QtHost::show_queued_boxes, Qt::QueuedConnection);
        return;
    }
    flush_views();
    const TimerPause pause(*this);
    dialogs_->message_box(owner_window(), icon, QString::fromUtf8(title), QString::fromUtf8(text));
}

void QtHost::show_queued_boxes() {
    // A box already open further up the stack takes the rest in turn.
    if (showing_queued_) {
        return;
    }
    showing_queued_ = true;
    for (;;) {
        QueuedBox box;
        {
            const std::scoped_lock hold(model_lock());
            if (queued_boxes_.empty()) {
                if (queued_pause_) {
                    queued_pause_ = false;
                    resume_timers();
                }
                break;
            }
            box = std::move(queued_boxes_.front());
            queued_boxes_.pop_front();
        }
        flush_views();
        dialogs_->message_box(top_window(), box.icon, QString::fromStdString(box.title),
                              QString::fromStdString(box.text));
    }
    showing_queued_ = false;
}

void QtHost::beep() {
    if (!on_window_thread()) {
        QMetaObject::invokeMethod(
            this, [] { QApplication::beep(); }, Qt::QueuedConnection);
        return;
    }
    QApplication::beep();
}

std::optional<std::string> QtHost::open_file_dialog(std::string_view filter) {
    need_window_thread("a file dialog");
    if (next_open_answer_) {
        return std::exchange(next_open_answer_, std::nullopt);
    }
    flush_views();
    const TimerPause pause(*this);
    const auto file = dialogs_->open_file(owner_window(), file_dialog_filter(filter));
    return file ? std::optional(from_qt(*file)) : std::nullopt;
}

std::optional<std::string> QtHost::save_file_dialog(std::string_view filter) {
    need_window_thread("a file dialog");
    flush_views();
    const TimerPause pause(*this);
    const auto file = dialogs_->save_file(owner_window(), file_dialog_filter(filter));
    return file ? std::optional(from_qt(with_default_suffix(*file, filter))) : std::nullopt;
}

QWidget* QtHost::create_window(Form& form, bool modal) {
    QWidget* window = nullptr;
    std::function<void()>* close_box = nullptr;
    if (modal) {
        auto* dialog = new FormDialog;
        close_box = &dialog->on_close_box;
        window = dialog;
    } else {
        auto* plain = new FormWindow;
        plain->setWindowFlag(Qt::Window);
        close_box = &plain->on_close_box;
        window = plain;
    }
    const ViewParts parts = views_.build(form, *window);
    if (auto* plain = dynamic_cast<FormWindow*>(window)) {
        plain->escape_closes = parts.escape_closes;
    }
    auto* layout = new QVBoxLayout(window);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    if (parts.menu_bar != nullptr) {
        layout->setMenuBar(parts.menu_bar);
    }
    QScrollArea* scroll = nullptr;
    if (parts.body != nullptr && parts.scrolls) {
        scroll = new QScrollArea(window);
        scroll->setObjectName(QStringLiteral("body_scroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(parts.body);
        layout->addWidget(scroll);
    } else if (parts.body != nullptr) {
        layout->addWidget(parts.body);
    }
    if (parts.footer != nullptr) {
        layout->addWidget(parts.footer);
    }
    if (!parts.main_button.empty()) {
        if (auto* button = window->findChild<QPushButton*>(to_qt(parts.main_button))) {
            button->setDefault(true);
        }
    }
    if (form.name() == form_name(FormId::main)) {
        add_recent_menu(*window);
    }

    auto* binder = new Binder(form, *window, *this);
    for (const VisibleWhile& follower : parts.follow) {
        binder->follow_visible(*follower.widget, follower.control);
    }
    auto* timers = new FormTimers(form, *window, *this, *ticks_, model_lock(), pause_depth_ > 0);
    *close_box = [this, binder, f = &form] {
        if (binder->bound()) {
            run([f] { f->close_box(); });
        }
    };
    open_[&form] = View{window, binder, timers, ++order_, scroll, parts.beside_panel, {}};
    return window;
}

void QtHost::show(Form& form, bool modal) {
    need_window_thread("a window");
    if (open_.count(&form) != 0) {
        return;
    }
    flush_views();
    QWidget* owner = owner_window();
    QWidget* window = create_window(form, modal);
    place(form, *window, owner, modal);
    if (modal) {
        // Blocks every other window, as the model's modality does, yet opens
        // without an event loop of its own: the form's continuation runs
        // when the form closes.
        window->setWindowModality(Qt::ApplicationModal);
    }
    window->show();
    window->raise();
    window->activateWindow();
    keep_frame_on_screen(*window);
}

void QtHost::closed(Form& form) {
    need_window_thread("closing a window");
    const auto it = open_.find(&form);
    if (it == open_.end()) {
        return;
    }
    View view = it->second;
    open_.erase(it);
    if (view.scroll != nullptr && view.window && places_ != nullptr) {
        places_->remember(view.place, view.window->geometry());
    }
    view.binder->unbind();
    view.timers->unbind();
    if (view.window) {
        // Later, as the window's own widget may be the one whose click closed it.
        view.window->hide();
        view.window->deleteLater();
        retiring_.push_back(view.window);
    }
    std::erase_if(retiring_, [](const QPointer<QWidget>& w) { return w.isNull(); });
}

void QtHost::quit() {
    if (quit_) {
        quit_();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

void QtHost::run(const std::function<void()>& action) {
    run_outermost(action, true);
}

void QtHost::run_tick(const std::function<void()>& tick) {
    run_outermost(tick, false);
}

void QtHost::look(const std::function<void()>& read) {
    const std::scoped_lock hold(model_lock());
    read();
}

void QtHost::run_in(QWidget& window, const std::function<void()>& action) {
    if (action_depth_ > 0) {
        run_outermost(action, true);
        return;
    }
    acting_ = &window;
    run_outermost(action, true);
    acting_ = nullptr;
}

void QtHost::run_outermost(const std::function<void()>& action, bool by_user) {
    const std::scoped_lock hold(model_lock());
    if (action_depth_ > 0) {
        ++action_depth_;
        action();
        --action_depth_;
        return;
    }
    ++action_depth_;
    contain_fault(action);
    action_depth_ = 0;
    if (program_ != nullptr) {
        // Posted tasks run here, on the tick thread too: a fault in one is
        // contained as well.
        contain_fault([this] { program_->collect(); });
        action_depth_ = 0;
    }
    if (on_window_thread()) {
        follow_family();
    }
    // What the user does shows at once; what ticks do, once a frame while a
    // timer runs.
    if (by_user && on_window_thread()) {
        flush_views();
        follow_ticks();
    }
}

void QtHost::contain_fault(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& error) {
        // A fault of the program itself; the bench session goes on. What runs
        // while the box is up counts as nested: nothing is freed beneath the
        // step that failed.
        std::cerr << "zqfeval: internal error: " << error.what() << '\n';
        action_depth_ = 1;
        message_box(MessageIcon::critical, program_title,
                    std::string("The last action could not be completed because of an internal "
                                "error:\n") +
                        error.what());
    }
}

QWidget* QtHost::window_of(const Form& form) const {
    const auto it = open_.find(&form);
    return it == open_.end() ? nullptr : it->second.window.data();
}

Binder* QtHost::binder_of(const Form& form) const {
    const auto it = open_.find(&form);
    return it == open_.end() ? nullptr : it->second.binder;
}

FormTimers* QtHost::timers_of(const Form& form) const {
    const auto it = open_.find(&form);
    return it == open_.end() ? nullptr : it->second.timers;
}

QWidget* QtHost::top_window() const {
    const View* top = nullptr;
    for (const auto& [form, view] : open_) {
        if (view.window && view.window->isVisible() &&
            (top == nullptr || view.order > top->order)) {
            top = &view;
        }
    }
    return top == nullptr ? nullptr : top->window.data();
}

} // namespace zqf::qt
