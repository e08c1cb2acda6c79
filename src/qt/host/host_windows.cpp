// Where the host's windows open and which window a box belongs to: the main
// window at its family's place, the windows that stay beside it where there
// is room, the others centred on the window they are opened from; and File >
// Recent Settings, which the host adds to the main window's File menu.
#include "core/state/devices.h"
#include "core/state/family_profile.h"
#include "core/windows/main_form.h"
#include "core/windows/names/main_controls.h"
#include "core/windows/program.h"
#include "qt/binder/show_control.h"
#include "qt/host/qt_host.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>

namespace zqf::qt {

void QtHost::place(Form& form, QWidget& window, QWidget* owner, bool modal) {
    View& view = open_[&form];
    view.place = place_name(form);
    if (view.scroll != nullptr) {
        const MainForm* main = program_ != nullptr ? program_->main_form() : nullptr;
        const QWidget* panel = view.beside_panel && main != nullptr ? window_of(*main) : nullptr;
        place_scrolling_window(window, *view.scroll,
                               places_ != nullptr ? places_->recall(view.place) : std::nullopt,
                               owner, panel);
        return;
    }
    window.adjustSize();
    if (owner != nullptr && (modal || owner->isVisible())) {
        centre_on(window, *owner);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // The first window of a run: in the middle of the screen.
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
}

QWidget* QtHost::owner_window() const {
    if (acting_ && acting_->isVisible()) {
        return acting_.data();
    }
    return top_window();
}

QString QtHost::place_name(const Form& form) const {
    const QString name = to_qt(form.name());
    if (program_ == nullptr || &form != program_->main_form()) {
        return name;
    }
    // The main window's layout differs by family, so each keeps a place of its own.
    const FamilyProfile* family = family_profile(family_of(program_->state().device_name));
    return family != nullptr ? name + QLatin1Char('-') + to_qt(std::string(family->key)) : name;
}

void QtHost::follow_family() {
    MainForm* main = program_ != nullptr ? program_->main_form() : nullptr;
    const auto it = main != nullptr ? open_.find(main) : open_.end();
    if (it == open_.end() || it->second.scroll == nullptr || !it->second.window) {
        return;
    }
    View& view = it->second;
    const QString place = place_name(*main);
    if (place == view.place) {
        return;
    }
    std::optional<QRect> remembered;
    if (places_ != nullptr) {
        places_->remember(view.place, view.window->geometry());
        remembered = places_->recall(place);
    }
    view.place = place;
    place_scrolling_window(*view.window, *view.scroll, remembered, view.window);
}

void QtHost::settings_file_used(std::string_view path) {
    if (recent_ != nullptr) {
        recent_->add(QString::fromUtf8(path));
    }
}

void QtHost::add_recent_menu(QWidget& window) {
    auto* file = window.findChild<QMenu*>(QString::fromLatin1(main_controls::mnuFile.text));
    auto* exit = window.findChild<QAction*>(QString::fromLatin1(main_controls::Exitmenu.text));
    if (recent_ == nullptr || file == nullptr || exit == nullptr) {
        return;
    }
    auto* recent = new QMenu(QStringLiteral("Recent Se&ttings"), file);
    recent->setObjectName(QStringLiteral("mnuRecent"));
    // Before the separator above Exit.
    const QList<QAction*> entries = file->actions();
    const qsizetype at = entries.indexOf(exit);
    file->insertMenu(at > 0 ? entries[at - 1] : exit, recent);
    connect(recent, &QMenu::aboutToShow, recent, [this, recent] {
        fill_recent_menu(*recent, *recent_, [this](const QString& path) { open_recent(path); });
    });
}

void QtHost::open_recent(const QString& path) {
    MainForm* main = program_ != nullptr ? program_->main_form() : nullptr;
    QWidget* window = main != nullptr ? window_of(*main) : nullptr;
    auto* get = window != nullptr
                    ? window->findChild<QAction*>(QString::fromLatin1(main_controls::mnuGet.text))
                    : nullptr;
    if (get == nullptr || !get->isEnabled()) {
        beep();
        return;
    }
    // Get Settings as the menu runs it, its dialog answered with the file.
    next_open_answer_ = from_qt(path);
    get->trigger();
    next_open_answer_.reset();
}

} // namespace zqf::qt
