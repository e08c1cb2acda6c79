// The bus log window: a table over the program's log of words written. The
// table follows the log a few times a second, never once per word, so a
// fast exerciser pays only for the log's own row.
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
    BusLogModel(const BusLog& log, QObject* parent) : QAbstractTableModel(parent), log_(log) {
        take_extent();
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : shown_; }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(bus_log_columns);
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= shown_) {
            return {};
        }
        const BusLogRow& row = log_.row(static_cast<std::size_t>(index.row()));
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

    // Brings the table in line with the log: rows dropped at the top by the
    // ring, rows added at the bottom, or everything anew after a clear.
    void follow() {
        if (log_.revision() == revision_) {
            return;
        }
        const uint64_t first = first_number();
        const uint64_t last = first + log_.size();
        if (first < first_ || last < last_ || first >= last_) {
            beginResetModel();
            take_extent();
            endResetModel();
            return;
        }
        const auto dropped = static_cast<int>(std::min<uint64_t>(first - first_, shown_));
        if (dropped > 0) {
            beginRemoveRows({}, 0, dropped - 1);
            shown_ -= dropped;
            endRemoveRows();
        }
        const auto added = static_cast<int>(log_.size()) - shown_;
        if (added > 0) {
            beginInsertRows({}, shown_, shown_ + added - 1);
            shown_ += added;
            endInsertRows();
        }
        take_extent();
    }

  private:
    // The number of the oldest row the log keeps (the next one's when empty).
    uint64_t first_number() const { return log_.size() > 0 ? log_.row(0).number : last_ + 1; }
    void take_extent() {
        first_ = log_.size() > 0 ? log_.row(0).number : 0;
        last_ = first_ + log_.size();
        shown_ = static_cast<int>(log_.size());
        revision_ = log_.revision();
    }

    const BusLog& log_;
    uint64_t first_ = 0;
    uint64_t last_ = 0;
    int shown_ = 0;
    uint64_t revision_ = 0;
};

void copy_rows(const BusLog& log, const QTableView& table) {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : table.selectionModel()->selectedRows()) {
        rows.push_back(static_cast<std::size_t>(index.row()));
    }
    std::sort(rows.begin(), rows.end());
    if (rows.empty()) {
        // Nothing chosen: the whole log.
        for (std::size_t i = 0; i < log.size(); ++i) {
            rows.push_back(i);
        }
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(bus_log_text(log, rows)));
}

} // namespace

ViewParts build_bus_log_view(const Form& form, QWidget& window) {
    const BusLog& log = dynamic_cast<const BusLogForm&>(form).log();
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
    QPushButton* copy = make_button(footer, "cmdCopy");
    buttons->addWidget(copy);
    buttons->addWidget(make_button(footer, "cmdClear"));
    buttons->addStretch();
    buttons->addWidget(make_button(footer, "cmdClose"));

    QObject::connect(copy, &QPushButton::clicked, table, [&log, table] { copy_rows(log, *table); });
    auto* copy_keys = new QAction(table);
    copy_keys->setShortcut(QKeySequence::Copy);
    copy_keys->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(copy_keys);
    QObject::connect(copy_keys, &QAction::triggered, table,
                     [&log, table] { copy_rows(log, *table); });

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
    parts.main_button = "cmdClose";
    return parts;
}

} // namespace zqf::qt
