// The bottom of the main window: what each register last received, and the
// update indicators that write them.
#include "core/windows/display_pairs.h"
#include "qt/views/main_view_parts.h"
#include "qt/views/view_kit.h"
#include "qt/widgets/packed_grid_layout.h"
#include "qt/widgets/switch_button.h"

#include "core/windows/names/main_controls.h"
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqf::qt {

namespace {

constexpr int bit_columns = 32;
constexpr int hex_columns = 8;

// A row of the table: name, bit string, hex text, in fixed columns so the
// bits of every register line up from the least significant one.
QWidget* table_row(QWidget* parent, QLabel* name, QLabel* bits, QLabel* hex) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    for (QLabel* cell : {name, bits, hex}) {
        cell->setParent(row);
        make_fixed_pitch(*cell);
        layout->addWidget(cell);
    }
    const QFontMetrics metrics(bits->font());
    name->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("R0")));
    bits->setFixedWidth(metrics.horizontalAdvance(QString(bit_columns, QLatin1Char('0'))));
    hex->setFixedWidth(metrics.horizontalAdvance(QString(hex_columns, QLatin1Char('0'))));
    bits->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hex->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hex->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addStretch();
    return row;
}

SwitchButton* make_indicator(QWidget* parent, std::string_view name) {
    SwitchButton* indicator = make_switch(parent, name);
    indicator->set_indicator(true);
    return indicator;
}

} // namespace

QWidget* build_register_table(QWidget* parent, std::vector<VisibleWhile>& follow) {
    auto* table = new QWidget(parent);
    auto* column = new QVBoxLayout(table);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(2);
    QLabel* heading = make_label(table, main_controls::Label18);
    make_heading(*heading);
    column->addWidget(heading);

    auto* blank = new QLabel(table);
    QLabel* binary = make_label(table, main_controls::Label34);
    QLabel* hex = make_label(table, main_controls::Label20);
    QWidget* header = table_row(table, blank, binary, hex);
    // Column headings in the table's own font would look like data.
    binary->setFont(table->font());
    hex->setFont(table->font());
    binary->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    follow.push_back({header, main_controls::Label34.str()});
    column->addWidget(header);

    for (const DisplayPair& pair : display_pairs) {
        // The row's heading is the register's own name.
        auto* name = new QLabel(QStringLiteral("R%1").arg(pair.index), table);
        const std::string bits(pair.bits_label);
        const std::string hex(pair.hex_label);
        QWidget* row =
            table_row(table, name, make_label(table, bits.c_str()), make_label(table, hex.c_str()));
        follow.push_back({row, bits});
        column->addWidget(row);
    }
    return table;
}

QWidget* build_update_indicators(QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 4);
    auto* registers = new PackedGridLayout(4);
    for (const DisplayPair& pair : display_pairs) {
        registers->addWidget(make_indicator(holder, std::string(pair.indicator).c_str()));
    }
    column->addLayout(registers);
    auto* groups = new PackedGridLayout(4);
    for (const std::string_view name : {all_rf_indicator, all_if_indicator, all_indicator}) {
        groups->addWidget(make_indicator(holder, std::string(name).c_str()));
    }
    groups->addWidget(make_button(holder, main_controls::Command8));
    column->addLayout(groups);
    return holder;
}

} // namespace zqf::qt
