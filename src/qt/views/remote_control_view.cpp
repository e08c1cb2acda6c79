// The Remote Control window: where the instrument listens, who is connected,
// and the last remote commands with the errors they queued. The table follows
// the instrument a few times a second, never once per command.
#include "core/windows/remote_control_form.h"
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include "core/windows/names/remote_control_controls.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace zqf::qt {

namespace {

constexpr int follow_interval_ms = 100;
constexpr int time_column = 0;
constexpr int client_column = 1;
constexpr int command_column = 2;
constexpr int outcome_column = 3;

QString seconds_text(int64_t ms) {
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 3);
}

// Rebuilds the rows when the instrument has moved on; newest at the bottom.
void follow(QTableWidget& table, const RemoteService& service, uint64_t& seen) {
    if (service.revision() == seen) {
        return;
    }
    seen = service.revision();
    const std::vector<RemoteCommand> commands = service.recent();
    table.setRowCount(static_cast<int>(commands.size()));
    for (int row = 0; row < static_cast<int>(commands.size()); ++row) {
        const RemoteCommand& command = commands[static_cast<std::size_t>(row)];
        const QString cells[] = {
            seconds_text(command.time_ms), QString::fromStdString(command.client),
            QString::fromStdString(command.command), QString::fromStdString(command.outcome)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            if (column == outcome_column && !command.outcome.empty()) {
                item->setForeground(QColor(Qt::red));
                item->setToolTip(cells[column]);
            }
            if (column == time_column) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table.setItem(row, column, item);
        }
    }
    table.scrollToBottom();
}

} // namespace

ViewParts build_remote_control_view(const Form& form, QWidget& window) {
    const RemoteService* service = dynamic_cast<const RemoteControlForm&>(form).service();
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    auto* grid = new QGridLayout;
    grid->addWidget(make_label(body, remote_control_controls::Label1), 0, 0);
    QLineEdit* address = make_text_box(body, remote_control_controls::txtAddress);
    address->setMinimumWidth(address->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 28);
    grid->addWidget(address, 0, 1);
    grid->addWidget(make_label(body, remote_control_controls::Label2), 1, 0);
    grid->addWidget(make_text_box(body, remote_control_controls::txtFolder), 1, 1);
    grid->setColumnStretch(1, 1);
    column->addLayout(grid);

    auto* state_row = new QHBoxLayout;
    for (std::string_view name :
         {remote_control_controls::cmdStart, remote_control_controls::cmdStop}) {
        QPushButton* button = make_button(body, name);
        button->setMinimumWidth(button_width);
        state_row->addWidget(button);
    }
    QLabel* state = make_label(body, remote_control_controls::lblState);
    state_row->addWidget(state, 1);
    QLabel* remote = make_label(body, remote_control_controls::lblRemote);
    make_prominent(*remote, 1.1);
    remote->setStyleSheet(QStringLiteral("QLabel { color: white; background: #c0392b; "
                                         "border-radius: 3px; padding: 2px 8px; }"));
    state_row->addWidget(remote);
    column->addLayout(state_row);
    column->addWidget(make_note(body, remote_control_controls::lblClients));

    column->addWidget(make_label(body, remote_control_controls::Label3));
    auto* table = new QTableWidget(0, 4, body);
    table->setObjectName(QStringLiteral("command_table"));
    table->setHorizontalHeaderLabels({QStringLiteral("Time (s)"), QStringLiteral("Client"),
                                      QStringLiteral("Command"), QStringLiteral("Error")});
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    make_fixed_pitch(*table);
    const int digit = table->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    table->setColumnWidth(time_column, 9 * digit + 12);
    table->setColumnWidth(client_column, 16 * digit + 12);
    table->setColumnWidth(command_column, 26 * digit + 12);
    table->setMinimumSize(100 * digit, 12 * table->verticalHeader()->defaultSectionSize());
    column->addWidget(table, 1);

    column->addWidget(make_note(body, remote_control_controls::Label4));
    column->addLayout(make_button_row(body, {remote_control_controls::cmdClose}));

    if (service != nullptr) {
        auto* timer = new QTimer(table);
        timer->setInterval(follow_interval_ms);
        auto seen = std::make_shared<uint64_t>(service->revision() + 1);
        QObject::connect(timer, &QTimer::timeout, table,
                         [table, service, seen] { follow(*table, *service, *seen); });
        follow(*table, *service, *seen);
        timer->start();
    }
    ViewParts parts{body, nullptr, {}};
    parts.scrolls = true;
    return parts;
}

} // namespace zqf::qt
