#include "qt/host/qt_host.h"

#include "core/windows/program.h"
#include "qt/binder/binder.h"
#include "qt/binder/show_control.h"
#include "qt/host/form_timers.h"
#include "qt/host/form_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <iostream>
#include <utility>

namespace zqf::qt {

QtHost::TimerPause::TimerPause(QtHost& host) : host_(host) {
    if (host_.pause_depth_++ == 0) {
        host_.set_timers_paused(true);
    }
}

QtHost::TimerPause::~TimerPause() {
    if (--host_.pause_depth_ == 0) {
        host_.set_timers_paused(false);
    }
}

QtHost::QtHost(ViewRegistry views, std::unique_ptr<Dialogs> dialogs)
    : views_(std::move(views)), dialogs_(std::move(dialogs)) {
    clock_.start();
    last_frame_.start();
}

QtHost::~QtHost() {
    for (auto& [form, view] : open_) {
        view.binder->unbind();
        view.timers->unbind();
        delete view.window.data();
    }
    for (const QPointer<QWidget>& window : retiring_) {
        delete window.data();
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
    flush_views();
    const TimerPause pause(*this);
    dialogs_->message_box(owner_window(), icon, QString::fromUtf8(title), QString::fromUtf8(text));
}

void QtHost::beep() {
    QApplication::beep();
}

std::optional<std::string> QtHost::open_file_dialog(std::string_view filter) {
    if (next_open_answer_) {
        return std::exchange(next_open_answer_, std::nullopt);
    }
    flush_views();
    const TimerPause pause(*this);
    const auto file = dialogs_->open_file(owner_window(), file_dialog_filter(filter));
    return file ? std::optional(from_qt(*file)) : std::nullopt;
}

std::optional<std::string> QtHost::save_file_dialog(std::string_view filter) {
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
    if (form.name() == "Main") {
        add_recent_menu(*window);
    }

    auto* binder = new Binder(form, *window, *this);
    for (const VisibleWhile& follower : parts.follow) {
        binder->follow_visible(*follower.widget, follower.control);
    }
    auto* timers = new FormTimers(form, *window, *this, pause_depth_ > 0);
    *close_box = [this, binder, f = &form] {
        if (binder->bound()) {
            run([f] { f->close_box(); });
        }
    };
    open_[&form] = View{window, binder, timers, ++order_, scroll, parts.beside_panel, {}};
    return window;
}

void QtHost::show(Form& form, bool modal) {
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
    if (action_depth_ > 0) {
        ++action_depth_;
        action();
        --action_depth_;
        return;
    }
    ++action_depth_;
    try {
        action();
    } catch (const std::exception& error) {
        // A fault of the program itself; the bench session goes on.
        std::cerr << "zqfeval: internal error: " << error.what() << '\n';
        action_depth_ = 1;
        flush_views();
        const TimerPause pause(*this);
        dialogs_->message_box(owner_window(), MessageIcon::critical,
                              QString::fromUtf8(program_title),
                              QStringLiteral("The last action could not be completed because of "
                                             "an internal error:\n") +
                                  QString::fromUtf8(error.what()));
    }
    action_depth_ = 0;
    if (program_ != nullptr) {
        program_->collect();
    }
    follow_family();
    // What the user does shows at once. What ticks do shows once a frame, right
    // after a tick: the next one is then a whole interval away, and never
    // waits for a redraw that a timer of its own would start at any moment.
    if (by_user || last_frame_.hasExpired(frame_ms)) {
        flush_views();
        last_frame_.start();
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
