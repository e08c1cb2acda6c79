// The main window's menu bar, from the form's menu entries.
#include "qt/views/main_view_parts.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace zqf::qt {

namespace {

QMenu* add_menu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* add_entry(QMenu* menu, const char* name) {
    QAction* entry = menu->addAction(QString());
    entry->setObjectName(QString::fromLatin1(name));
    return entry;
}

} // namespace

QMenuBar* build_main_menus(QWidget& window) {
    auto* bar = new QMenuBar(&window);
    QMenu* file = add_menu(bar, "mnuFile");
    // The keys of every desktop program, beside the menus' own Alt letters.
    add_entry(file, "mnuGet")->setShortcut(QKeySequence::Open);
    add_entry(file, "mnuSave")->setShortcut(QKeySequence::Save);
    add_entry(file, "mnuExport")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    add_entry(file, "Exitmenu")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* settings = add_menu(bar, "mnuSettings");
    for (const char* entry : {"synthmenu", "ifmnu", "current2menu", "current1menu"}) {
        add_entry(settings, entry);
    }
    settings->addSeparator();
    add_entry(settings, "mnufreqhop");
    add_entry(settings, "mnufreqsweep");

    QMenu* board = add_menu(bar, "mnuBoard");
    add_entry(board, "mnuBusLog");
    add_entry(board, "mnuChipState");
    add_entry(board, "mnuFreqPlot");
    board->addSeparator();
    for (const char* entry : {"mnuRecordBus", "mnuStopRecording"}) {
        add_entry(board, entry);
    }
    board->addSeparator();
    add_entry(board, "mnuRemoteControl");

    QMenu* help = add_menu(bar, "mnuHelp");
    add_entry(help, "aboutmenu");
    add_entry(help, "mnuProg")->setShortcut(QKeySequence::HelpContents);

    // "Remote" at the right of the menu bar while a client holds the board.
    auto* remote = new QLabel(bar);
    remote->setObjectName(QStringLiteral("lblRemote"));
    remote->setStyleSheet(QStringLiteral("QLabel { color: white; background: #c0392b; "
                                         "font-weight: bold; border-radius: 3px; "
                                         "padding: 1px 8px; margin: 2px 6px; }"));
    bar->setCornerWidget(remote, Qt::TopRightCorner);
    return bar;
}

} // namespace zqf::qt
