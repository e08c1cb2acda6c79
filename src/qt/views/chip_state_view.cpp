// The chip state window: the frequency lines, every register split into its
// fields, and what the fields set the chip to, each beside the panel's. The
// window works the report out afresh a few times a second; a stale register,
// a field and a setting that differ from the panel's show in red.
#include "core/registers/field_ids.h"
#include "core/text/number_text.h"
#include "core/windows/chip_state_form.h"
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include "core/windows/names/chip_state_controls.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zqf::qt {

namespace {

constexpr int refresh_interval_ms = 250;

enum Column { name_column, bits_column, chip_column, panel_column, status_column };

QString bits_range(const BitRange& bits) {
    return bits.width == 1 ? QString::number(bits.low)
                           : QStringLiteral("%1-%2").arg(bits.high()).arg(bits.low);
}

QString code_text(const std::optional<uint32_t>& code) {
    return code ? QString::number(*code) : QStringLiteral("-");
}

QString word_text(const std::optional<uint32_t>& word, int bits) {
    return word ? QString::fromStdString(padded_hex(*word, bits)) : QStringLiteral("-");
}

// Sets a row's texts, red where chip and panel part; a text too long for its
// column is whole in the cell's tooltip.
void show_row(QTreeWidgetItem& item, const QStringList& texts, bool differs) {
    for (int c = 0; c < texts.size(); ++c) {
        if (item.text(c) != texts[c]) {
            item.setText(c, texts[c]);
            item.setToolTip(c, texts[c]);
        }
        const QBrush brush = differs ? QBrush(Qt::red) : QBrush();
        if (item.foreground(c) != brush) {
            item.setForeground(c, brush);
        }
    }
}

class ChipStateView {
  public:
    ChipStateView(const ChipStateForm& form, QWidget& body) : form_(form) {
        auto* column = new QVBoxLayout(&body);
        for (int i = 0; i < 2; ++i) {
            QLabel* line = make_label(&body, i == 0 ? "summary_rf" : "summary_if");
            make_heading(*line);
            line->setTextInteractionFlags(Qt::TextSelectableByMouse);
            column->addWidget(line);
            summary_[i] = line;
        }
        auto* split = new QSplitter(Qt::Vertical, &body);
        registers_ =
            make_tree(split, "register_tree",
                      {QStringLiteral("Register / field"), QStringLiteral("Bits"),
                       QStringLiteral("Chip"), QStringLiteral("Panel"), QStringLiteral("Status")});
        settings_ =
            make_tree(split, "setting_tree",
                      {QStringLiteral("Setting"), QStringLiteral("Chip"), QStringLiteral("Panel")});
        // Room for every field of the widest register and every setting at once.
        const int digit = body.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        const int line = body.fontMetrics().height() + 4;
        registers_->setMinimumSize(80 * digit, 14 * line);
        settings_->setMinimumSize(80 * digit, 9 * line);
        settings_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
        settings_->header()->setSectionResizeMode(2, QHeaderView::Stretch);
        split->setStretchFactor(0, 3);
        split->setStretchFactor(1, 2);
        column->addWidget(split, 1);
        refresh();
    }

    void refresh() {
        const ChipReport report = form_.report();
        for (std::size_t i = 0; i < 2; ++i) {
            QLabel* line = summary_[i];
            line->setVisible(i < report.summary.size());
            if (i < report.summary.size()) {
                line->setText(QString::fromStdString(report.summary[i].text));
                line->setStyleSheet(report.summary[i].agrees ? QString()
                                                             : QStringLiteral("color: red"));
            }
        }
        show_registers(report.registers);
        show_settings(report.settings);
    }

  private:
    static QTreeWidget* make_tree(QWidget* parent, std::string_view name,
                                  const QStringList& headings) {
        auto* tree = new QTreeWidget(parent);
        tree->setObjectName(QString::fromLatin1(name));
        tree->setColumnCount(static_cast<int>(headings.size()));
        tree->setHeaderLabels(headings);
        tree->setUniformRowHeights(true);
        tree->setRootIsDecorated(headings.size() > 3);
        tree->header()->setStretchLastSection(true);
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->setSelectionMode(QAbstractItemView::NoSelection);
        return tree;
    }

    void show_registers(const std::vector<RegisterReport>& registers) {
        // The layout of the words is the device's: built once, then only retold.
        if (registers_->topLevelItemCount() != static_cast<int>(registers.size())) {
            registers_->clear();
            for (const RegisterReport& r : registers) {
                auto* item = new QTreeWidgetItem(registers_);
                for (std::size_t k = 0; k < r.fields.size(); ++k) {
                    new QTreeWidgetItem(item);
                }
                item->setExpanded(true);
            }
            make_fixed_pitch(*registers_);
        }
        for (std::size_t i = 0; i < registers.size(); ++i) {
            const RegisterReport& r = registers[i];
            QTreeWidgetItem* item = registers_->topLevelItem(static_cast<int>(i));
            show_row(*item,
                     {QStringLiteral("R%1").arg(r.index),
                      QStringLiteral("%1-0").arg(r.word_bits - 1), word_text(r.chip, r.word_bits),
                      word_text(r.panel, r.word_bits), QString::fromUtf8(status_text(r.status))},
                     r.status != RegisterStatus::current);
            for (std::size_t k = 0; k < r.fields.size() && static_cast<int>(k) < item->childCount();
                 ++k) {
                const FieldReport& f = r.fields[k];
                show_row(*item->child(static_cast<int>(k)),
                         {QString::fromUtf8(field_info(f.id).name), bits_range(f.bits),
                          code_text(f.chip), code_text(f.panel), QString()},
                         f.chip && f.panel && *f.chip != *f.panel);
            }
        }
    }

    void show_settings(const std::vector<SettingReport>& settings) {
        if (settings_->topLevelItemCount() != static_cast<int>(settings.size())) {
            settings_->clear();
            for (std::size_t i = 0; i < settings.size(); ++i) {
                new QTreeWidgetItem(settings_);
            }
        }
        const QString unknown = QStringLiteral("not known");
        for (std::size_t i = 0; i < settings.size(); ++i) {
            const SettingReport& s = settings[i];
            const QString chip = s.chip ? QString::fromStdString(*s.chip) : unknown;
            const QString panel = s.panel ? QString::fromStdString(*s.panel) : unknown;
            show_row(*settings_->topLevelItem(static_cast<int>(i)),
                     {QString::fromStdString(s.name), chip, panel}, chip != panel);
        }
    }

    const ChipStateForm& form_;
    QLabel* summary_[2] = {};
    QTreeWidget* registers_ = nullptr;
    QTreeWidget* settings_ = nullptr;
};

} // namespace

ViewParts build_chip_state_view(const Form& form, QWidget& window) {
    auto* body = new QWidget(&window);
    auto view = std::make_shared<ChipStateView>(dynamic_cast<const ChipStateForm&>(form), *body);
    refresh_while_shown(*body, refresh_interval_ms, [view] { view->refresh(); });
    // Close stays in view however small the window.
    ViewParts parts = beside_panel_parts(body, make_foot(window, {chip_state_controls::cmdClose}));
    parts.main_button = chip_state_controls::cmdClose;
    return parts;
}

} // namespace zqf::qt
