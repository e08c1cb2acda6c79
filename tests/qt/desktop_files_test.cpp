// Settings files as a desktop program keeps them: the suffix added to a bare
// name, File > Recent Settings kept between runs, the usual keys.
#include "qt/host/recent_files.h"
#include "qt_test_support.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTest>

namespace zqf::qt {

namespace {

std::unique_ptr<RecentFiles> recent_in(const QTemporaryDir& folder) {
    return std::make_unique<RecentFiles>(std::make_unique<QSettings>(
        folder.filePath(QStringLiteral("recent.conf")), QSettings::IniFormat));
}

QMenu& recent_menu(const test::GuiSession& gui) {
    auto* menu = gui.window("Main").findChild<QMenu*>(QStringLiteral("mnuRecent"));
    if (menu == nullptr) {
        throw std::runtime_error("no File > Recent Settings");
    }
    // Filled as it opens.
    QMetaObject::invokeMethod(menu, "aboutToShow");
    return *menu;
}

void save_as(test::GuiSession& gui, const QString& path) {
    gui.dialogs.file_answer = path;
    gui.window("Main").findChild<QAction*>(QStringLiteral("mnuSave"))->trigger();
}

} // namespace

class DesktopFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void save_adds_the_suffix_to_a_bare_name() {
        test::GuiSession gui;
        gui.confirm("Option1");
        save_as(gui, gui.folder.filePath(QStringLiteral("bench")));
        QVERIFY(QFile::exists(gui.folder.filePath(QStringLiteral("bench.txt"))));
        QVERIFY(!QFile::exists(gui.folder.filePath(QStringLiteral("bench"))));
        save_as(gui, gui.folder.filePath(QStringLiteral("bench.v2")));
        QVERIFY(QFile::exists(gui.folder.filePath(QStringLiteral("bench.v2"))));
    }

    void recent_settings_are_kept_and_open_without_a_dialog() {
        QTemporaryDir config;
        {
            test::GuiSession gui;
            gui.host.set_recent_files(recent_in(config));
            gui.confirm("Option1");
            save_as(gui, gui.folder.filePath(QStringLiteral("gone.txt"))); // goes with its folder
            save_as(gui, config.filePath(QStringLiteral("kept.txt")));
        }
        test::GuiSession gui;
        gui.host.set_recent_files(recent_in(config));
        gui.confirm("Option4");
        QList<QAction*> entries = recent_menu(gui).actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), QStringLiteral("&1 kept.txt"));
        QVERIFY(entries[0]->isEnabled());
        QCOMPARE(entries[1]->text(), QStringLiteral("&2 gone.txt"));
        QVERIFY(!entries[1]->isEnabled());

        // Loaded as Get Settings loads it, without asking for the file.
        const auto asked = gui.dialogs.filters.size();
        entries[0]->trigger();
        QCOMPARE(gui.dialogs.filters.size(), asked);
        QCOMPARE(gui.program.state().device_name, std::string("ZQF7310"));
        QVERIFY(gui.window("Main").windowTitle().endsWith(QStringLiteral(" - kept.txt")));
    }

    void the_usual_keys_reach_the_file_menu() {
        test::GuiSession gui;
        gui.confirm("Option1");
        QWidget& main = gui.window("Main");
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        gui.dialogs.file_answer.reset(); // every dialog cancelled
        QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(gui.dialogs.filters.size(), 2U);
        QTest::keyClick(&main, Qt::Key_F1);
        QVERIFY(gui.program.find("helpform") != nullptr);
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::DesktopFilesTest)
#include "desktop_files_test.moc"
