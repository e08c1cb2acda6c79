// The main window's status line: the link, where the chip's words have put
// its outputs, and the last refusal or failure for a few seconds. It reads
// the program at screen rate while shown, never on the word path, and
// repaints only itself; a click on the chip's part opens the chip state.
#include "core/windows/main_form.h"
#include "core/windows/status_line.h"
#include "qt/binder/binder.h"
#include "qt/views/main_view_parts.h"
#include "qt/views/view_kit.h"
#include "qt/widgets/status_strip.h"

#include <QAction>
#include <QElapsedTimer>

#include "core/windows/names/main_controls.h"
#include <array>
#include <memory>

namespace zqf::qt {

namespace {

enum StatusPartIndex { link_part, chip_part, notice_part };

// A line that keeps changing (the chip's frequency through a hop) is shown
// again at most this often: no one reads faster, and each showing is a repaint
// on the thread the exercisers tick on. A change after a quiet spell shows at
// once, within a frame.
constexpr int busy_ms = 250;

StatusStrip::Part shown(const StatusPart& part, const QString& tooltip_head = {}) {
    StatusStrip::Part out;
    out.text = QString::fromStdString(part.text);
    if (part.tone == StatusTone::warning) {
        out.colour = warning_text_colour;
    } else if (part.tone == StatusTone::fault) {
        out.colour = fault_text_colour;
    }
    out.bold = part.tone != StatusTone::plain;
    out.tooltip = tooltip_head;
    if (!part.detail.empty()) {
        out.tooltip += (out.tooltip.isEmpty() ? QString() : QStringLiteral("\n")) +
                       QString::fromStdString(part.detail);
    }
    return out;
}

} // namespace

QWidget* build_status_line(const MainForm& form, QWidget& window) {
    auto* strip = new StatusStrip(&window);
    strip->setObjectName(QStringLiteral("status_line"));
    // The chip's part is a door to the chip state, as the Board menu's entry.
    strip->set_clickable(chip_part);
    QObject::connect(strip, &StatusStrip::clicked, strip, [&window](int index) {
        auto* entry =
            window.findChild<QAction*>(QString::fromLatin1(main_controls::mnuChipState.text));
        if (index == chip_part && entry != nullptr) {
            entry->trigger();
        }
    });
    auto last_shown = std::make_shared<QElapsedTimer>();
    const auto refresh = [&form, strip, last_shown] {
        const StatusLine line = form.status();
        const std::array<StatusStrip::Part, StatusStrip::part_count> parts{
            shown(line.link), shown(line.chip, QStringLiteral("Click to open \"Chip State\".")),
            // A long refusal is cut short on the line; its tooltip holds it whole.
            shown(line.notice, QString::fromStdString(line.notice.text))};
        bool same = true;
        for (int i = 0; i < StatusStrip::part_count; ++i) {
            same = same && strip->part(i) == parts[static_cast<std::size_t>(i)];
        }
        if (same || (last_shown->isValid() && !last_shown->hasExpired(busy_ms))) {
            return;
        }
        for (int i = 0; i < StatusStrip::part_count; ++i) {
            strip->set_part(i, parts[static_cast<std::size_t>(i)]);
        }
        last_shown->start();
    };
    refresh_while_shown(*strip, frame_ms, refresh);
    refresh();
    return strip;
}

} // namespace zqf::qt
