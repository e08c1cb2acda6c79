// The main window's status line: the link, where the chip's words have put
// its outputs, and the last refusal or failure for a few seconds. It reads
// the program at screen rate while shown, never on the word path; a click on
// the chip's part opens the chip state.
#include "core/windows/main_form.h"
#include "core/windows/status_line.h"
#include "qt/binder/binder.h"
#include "qt/views/main_view_parts.h"
#include "qt/views/view_kit.h"
#include "qt/widgets/click_relay.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace zqf::qt {

namespace {

void show_part(QLabel& label, const StatusPart& part, const QString& tooltip_head = {}) {
    const QString text = QString::fromStdString(part.text);
    if (label.text() != text) {
        label.setText(text);
    }
    QString style;
    if (part.tone == StatusTone::warning) {
        style = QStringLiteral("color: %1; font-weight: bold").arg(warning_text_colour.name());
    } else if (part.tone == StatusTone::fault) {
        style = QStringLiteral("color: %1; font-weight: bold").arg(fault_text_colour.name());
    }
    if (label.styleSheet() != style) {
        label.setStyleSheet(style);
    }
    QString tooltip = tooltip_head;
    if (!part.detail.empty()) {
        tooltip += (tooltip.isEmpty() ? QString() : QStringLiteral("\n")) +
                   QString::fromStdString(part.detail);
    }
    if (label.toolTip() != tooltip) {
        label.setToolTip(tooltip);
    }
}

QFrame* separator(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

QWidget* build_status_line(const MainForm& form, QWidget& window) {
    auto* bar = new QFrame(&window);
    bar->setObjectName(QStringLiteral("status_line"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 2, 6, 2);
    QLabel* link = make_label(bar, "status_link");
    QLabel* chip = make_label(bar, "status_chip");
    QLabel* notice = make_label(bar, "status_notice");
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(link);
    row->addWidget(separator(bar));
    row->addWidget(chip);
    row->addWidget(separator(bar));
    row->addWidget(notice, 1);
    // A long refusal must not widen the window: it is cut, whole in its tooltip.
    notice->setMinimumWidth(0);
    notice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // The chip's part is a door to the chip state, as the Board menu's entry.
    chip->setCursor(Qt::PointingHandCursor);
    auto* relay = new ClickRelay(*chip);
    QObject::connect(relay, &ClickRelay::clicked, bar, [&window] {
        if (auto* entry = window.findChild<QAction*>(QStringLiteral("mnuChipState"))) {
            entry->trigger();
        }
    });

    const auto refresh = [&form, link, chip, notice, bar] {
        if (!bar->isVisible()) {
            return;
        }
        const StatusLine line = form.status();
        show_part(*link, line.link);
        show_part(*chip, line.chip, QStringLiteral("Click to open \"Chip State\"."));
        show_part(*notice, line.notice, QString::fromStdString(line.notice.text));
    };
    auto* timer = new QTimer(bar);
    timer->setInterval(frame_ms);
    QObject::connect(timer, &QTimer::timeout, bar, refresh);
    timer->start();
    refresh();
    return bar;
}

} // namespace zqf::qt
