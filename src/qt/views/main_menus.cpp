// The main window's menu bar, from the form's menu entries.
#include "qt/views/main_view_parts.h"

#include "core/windows/names/main_controls.h"
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace zqf::qt {

namespace {

QMenu* add_menu(QMenuBar* bar, std::string_view name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* add_entry(QMenu* menu, std::string_view name) {
    QAction* entry = menu->addAction(QString());
    entry->setObjectName(QString::fromLatin1(name));
    return entry;
}

} // namespace

QMenuBar* build_main_menus(QWidget& window) {
    auto* bar = new QMenuBar(&window);
    QMenu* file = add_menu(bar, main_controls::mnuFile);
    // The keys of every desktop program, beside the menus' own Alt letters.
    add_entry(file, main_controls::mnuGet)->setShortcut(QKeySequence::Open);
    add_entry(file, main_controls::mnuSave)->setShortcut(QKeySequence::Save);
    add_entry(file, main_controls::mnuExport)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addSeparator();
    add_entry(file, main_controls::Exitmenu)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* settings = add_menu(bar, main_controls::mnuSettings);
    for (std::string_view entry : {main_controls::synthmenu, main_controls::ifmnu,
                                   main_controls::current2menu, main_controls::current1menu}) {
        add_entry(settings, entry);
    }
    settings->addSeparator();
    add_entry(settings, main_controls::mnufreqhop);
    add_entry(settings, main_controls::mnufreqsweep);

    QMenu* board = add_menu(bar, main_controls::mnuBoard);
    add_entry(board, main_controls::mnuBusLog);
    add_entry(board, main_controls::mnuChipState);
    add_entry(board, main_controls::mnuFreqPlot);
    board->addSeparator();
    for (std::string_view entry : {main_controls::mnuRecordBus, main_controls::mnuStopRecording}) {
        add_entry(board, entry);
    }
    board->addSeparator();
    add_entry(board, main_controls::mnuRemoteControl);

    QMenu* help = add_menu(bar, main_controls::mnuHelp);
    add_entry(help, main_controls::aboutmenu);
    add_entry(help, main_controls::mnuProg)->setShortcut(QKeySequence::HelpContents);

    // "Remote" at the right of the menu bar while a client holds the board.
    auto* remote = new QLabel(bar);
    remote->setObjectName(QString::fromLatin1(main_controls::lblRemote.text));
    remote->setStyleSheet(QStringLiteral("QLabel { color: white; background: #c0392b; "
                                         "font-weight: bold; border-radius: 3px; "
                                         "padding: 1px 8px; margin: 2px 6px; }"));
    bar->setCornerWidget(remote, Qt::TopRightCorner);
    return bar;
}

} // namespace zqf::qt
