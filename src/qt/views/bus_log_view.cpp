// The bus log window: a table over the program's log of words written. The
// table follows the log a few times a second from a copy of its own, never
// once per word, so a fast exerciser pays only for the log's own row and
// never waits for the table to be drawn.
#include "core/windows/bus_log_form.h"
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/windows/names/bus_log_controls.h"
#include <algorithm>
#include <deque>
#include <iterator>
#include <vector>

namespace zqf::qt {

namespace {

// How often the table looks for new rows.
constexpr int follow_interval_ms = 100;

constexpr BusLogColumn columns[bus_log_columns] = {BusLogColumn::time, BusLogColumn::register_name,
                                                   BusLogColumn::word, BusLogColumn::link,
                                                   BusLogColumn::outcome};

class BusLogModel final : public QAbstractTableModel {
  public:
    BusLogModel(const BusLogForm& form, QObject* parent)
        : QAbstractTableModel(parent), form_(form) {
        follow();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(bus_log_columns);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount({})) {
            return {};
        }
        const BusLogRow& row = rows_[static_cast<std::size_t>(index.row())];
        const BusLogColumn column = columns[index.column()];
        if (role == Qt::DisplayRole ||
            (role == Qt::ToolTipRole && column == BusLogColumn::outcome)) {
            return QString::fromStdString(bus_log_cell(row, column));
        }
        if (role == Qt::ForegroundRole && row.delivery == Delivery::failed) {
            return QColor(Qt::red);
        }
        if (role == Qt::TextAlignmentRole && column != BusLogColumn::outcome &&
            column != BusLogColumn::link) {
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= static_cast<int>(bus_log_columns)) {
            return {};
        }
        return QString::fromUtf8(bus_log_heading(columns[section]));
    }

    // Brings the copy in line with the log: rows the log no longer keeps (the
    // ring moved on, or it was cleared) go at the top, new ones come at the
    // bottom. Only the copy is taken with the models held.
    void follow() {
        BusLogCopy copy = form_.copy_after(rows_.empty() ? 0 : rows_.back().number);
        std::size_t gone = 0;
        while (gone < rows_.size() && rows_[gone].number < copy.first) {
            ++gone;
        }
        if (gone > 0) {
            beginRemoveRows({}, 0, static_cast<int>(gone) - 1);
            rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(gone));
            endRemoveRows();
        }
        if (!copy.rows.empty()) {
            const auto shown = static_cast<int>(rows_.size());
            beginInsertRows({}, shown, shown + static_cast<int>(copy.rows.size()) - 1);
            std::move(copy.rows.begin(), copy.rows.end(), std::back_inserter(rows_));
            endInsertRows();
        }
    }

    // The rows at those positions as text, all of them for none.
    std::string text(std::vector<std::size_t> positions) const {
        std::sort(positions.begin(), positions.end());
        std::vector<const BusLogRow*> chosen;
        for (const std::size_t i : positions) {
            if (i < rows_.size()) {
                chosen.push_back(&rows_[i]);
            }
        }
        if (positions.empty()) {
            for (const BusLogRow& row : rows_) {
                chosen.push_back(&row);
            }
        }
        return bus_log_text(chosen);
    }

  private:
    const BusLogForm& form_;
    std::deque<BusLogRow> rows_;
};

void copy_rows(const BusLogModel& model, const QTableView& table) {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : table.selectionModel()->selectedRows()) {
        rows.push_back(static_cast<std::size_t>(index.row()));
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(model.text(std::move(rows))));
}

} // namespace

ViewParts build_bus_log_view(const Form& form, QWidget& window) {
    const auto& log = dynamic_cast<const BusLogForm&>(form);
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    auto* table = new QTableView(body);
    table->setObjectName(QStringLiteral("log_table"));
    auto* model = new BusLogModel(log, table);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setWordWrap(false);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    make_fixed_pitch(*table);
    const int digit = table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int widths[] = {11, 9, 11, 14};
    for (int i = 0; i < 4; ++i) {
        table->setColumnWidth(i, widths[i] * digit + 12);
    }
    table->setMinimumSize(82 * digit, 18 * table->verticalHeader()->defaultSectionSize());
    table->scrollToBottom();
    column->addWidget(table, 1);

    // The buttons stay in view however small the window: below its body.
    auto* footer = new QWidget(&window);
    auto* buttons = new QHBoxLayout(footer);
    buttons->setContentsMargins(column->contentsMargins());
    QPushButton* copy = make_button(footer, bus_log_controls::cmdCopy);
    buttons->addWidget(copy);
    buttons->addWidget(make_button(footer, bus_log_controls::cmdClear));
    buttons->addStretch();
    buttons->addWidget(make_button(footer, bus_log_controls::cmdClose));

    QObject::connect(copy, &QPushButton::clicked, table,
                     [model, table] { copy_rows(*model, *table); });
    auto* copy_keys = new QAction(table);
    copy_keys->setShortcut(QKeySequence::Copy);
    copy_keys->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(copy_keys);
    QObject::connect(copy_keys, &QAction::triggered, table,
                     [model, table] { copy_rows(*model, *table); });

    // Newest at the bottom: a table scrolled to its end stays there.
    auto* follow = new QTimer(table);
    follow->setInterval(follow_interval_ms);
    QObject::connect(follow, &QTimer::timeout, table, [model, table] {
        if (!table->isVisible()) {
            return;
        }
        const QScrollBar* bar = table->verticalScrollBar();
        const bool at_end = bar->value() >= bar->maximum();
        model->follow();
        if (at_end) {
            table->scrollToBottom();
        }
    });
    follow->start();

    ViewParts parts = beside_panel_parts(body, footer);
    parts.main_button = bus_log_controls::cmdClose;
    return parts;
}

} // namespace zqf::qt
