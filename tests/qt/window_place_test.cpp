// Large windows fit the screen they open on: placed from their natural or
// remembered geometry, scrolling what does not fit, and back where they were
// in the next run.
#include "qt/host/window_place.h"
#include "qt_test_support.h"

#include <QAction>
#include <QFile>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QTest>

namespace zqf::qt {

namespace {

std::unique_ptr<WindowPlaces> places_in(const QTemporaryDir& folder) {
    return std::make_unique<WindowPlaces>(std::make_unique<QSettings>(
        folder.filePath(QStringLiteral("places.conf")), QSettings::IniFormat));
}

} // namespace

class WindowPlaceTest : public QObject {
    Q_OBJECT

  private slots:
    void a_window_opens_within_the_screen_less_the_task_bar_data() {
        QTest::addColumn<QSize>("natural");
        QTest::addColumn<std::optional<QRect>>("remembered");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("placed");
        const QSize panel(1132, 705);
        const std::optional<QRect> none;
        const QMargins bare;
        const QRect laptop(0, 0, 1366, 768);
        const QRect scaled(0, 0, 1280, 720); // 1920 x 1080 at 150 %
        QTest::newRow("fits, in the middle")
            << panel << none << bare << laptop << QRect(117, 7, 1132, 705);
        QTest::newRow("too tall: scrolls, with room for the scroll bar")
            << panel << none << bare << scaled << QRect(64, 0, 1152, 672);
        QTest::newRow("a title bar takes its part")
            << panel << none << QMargins(2, 30, 2, 2) << laptop << QRect(107, 30, 1152, 688);
        QTest::newRow("a panel at the top takes its part as well")
            << panel << none << bare << QRect(0, 30, 1366, 738) << QRect(107, 30, 1152, 690);
        QTest::newRow("remembered") << panel << std::optional(QRect(10, 20, 900, 600)) << bare
                                    << laptop << QRect(10, 20, 900, 600);
        QTest::newRow("remembered on a larger screen")
            << panel << std::optional(QRect(300, 200, 1800, 1000)) << bare << laptop
            << QRect(0, 0, 1366, 720);
        QTest::newRow("remembered off the screen")
            << panel << std::optional(QRect(3000, -50, 800, 600)) << bare << laptop
            << QRect(566, 0, 800, 600);
    }
    void a_window_opens_within_the_screen_less_the_task_bar() {
        QFETCH(QSize, natural);
        QFETCH(std::optional<QRect>, remembered);
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        QFETCH(QRect, placed);
        const QRect screen(available.left(), 0, available.width(), available.bottom() + 1);
        QCOMPARE(place_window(natural, 20, remembered, frame, available, screen), placed);
    }

    void every_control_of_the_main_window_can_be_reached() {
        for (const char* option : {"Option1", "Option4", "Option6"}) {
            test::GuiSession gui;
            gui.confirm(option);
            QWidget& main = gui.window("Main");
            const QScreen& screen = *main.screen();
            QVERIFY(main.frameGeometry().height() <= screen.geometry().height() - task_bar_reserve);
            QVERIFY(screen.availableGeometry().contains(main.frameGeometry()));
            auto* scroll = main.findChild<QScrollArea*>("body_scroll");
            QVERIFY(scroll != nullptr);
            for (QWidget* widget : scroll->widget()->findChildren<QWidget*>()) {
                // Controls, not the frames that hold them (a frame may be wider
                // than the window, its controls are not).
                const bool control = !widget->objectName().isEmpty() && widget->layout() == nullptr;
                if (!control || !widget->isVisibleTo(scroll->widget())) {
                    continue;
                }
                scroll->ensureWidgetVisible(widget, 0, 0);
                const QRect shown(widget->mapTo(scroll->viewport(), QPoint()), widget->size());
                QVERIFY2(scroll->viewport()->rect().contains(shown),
                         qPrintable(widget->objectName()));
            }
        }
    }

    void the_main_window_keeps_a_place_per_device_family() {
        QTemporaryDir folder;
        const QString dual_file = folder.filePath(QStringLiteral("dual.txt"));
        const auto session = [&](const char* option, std::optional<QRect> move_to) {
            test::GuiSession gui;
            gui.host.set_window_places(places_in(folder));
            gui.confirm(option);
            QWidget& main = gui.window("Main");
            const QRect opened = main.geometry();
            if (move_to) {
                main.setGeometry(*move_to);
            }
            gui.dialogs.file_answer = dual_file;
            main.findChild<QAction*>("mnuSave")->trigger(); // the last one's device stays
            main.findChild<QAction*>("Exitmenu")->trigger();
            return opened;
        };
        const QRect dual(40, 30, 700, 500);
        const QRect four(60, 20, 500, 400);
        QVERIFY(session("Option1", four) != dual);
        QVERIFY(session("Option6", dual) != four); // its own natural size, not the other's
        QCOMPARE(session("Option2", std::nullopt), four);
        QCOMPARE(session("Option3", std::nullopt), dual);

        // A settings file of another family moves the panel to that family's place.
        test::GuiSession gui;
        gui.host.set_window_places(places_in(folder));
        gui.confirm("Option1");
        QCOMPARE(gui.window("Main").geometry(), four);
        gui.dialogs.file_answer = dual_file;
        gui.window("Main").findChild<QAction*>("mnuGet")->trigger();
        QCOMPARE(gui.program.state().device_name, std::string("ZQF7620"));
        QCOMPARE(gui.window("Main").geometry(), dual);
    }

    void a_window_beside_the_panel_opens_where_there_is_room_data() {
        QTest::addColumn<QRect>("panel");
        QTest::addColumn<std::optional<QRect>>("remembered");
        QTest::addColumn<QRect>("placed");
        const std::optional<QRect> none;
        QTest::newRow("right of the panel")
            << QRect(0, 0, 1000, 700) << none << QRect(1004, 30, 600, 400);
        QTest::newRow("left when the right is full")
            << QRect(800, 100, 1100, 700) << none << QRect(196, 130, 600, 400);
        QTest::newRow("below a short wide panel")
            << QRect(0, 0, 1900, 400) << none << QRect(4, 430, 600, 400);
        QTest::newRow("no room: where it was")
            << QRect(300, 0, 1300, 1000) << std::optional(QRect(100, 200, 600, 400))
            << QRect(100, 200, 600, 400);
        QTest::newRow("no room, never placed: the screen's edge on the roomier side")
            << QRect(200, 0, 1300, 1000) << none << QRect(1316, 30, 600, 400);
    }
    void a_window_beside_the_panel_opens_where_there_is_room() {
        QFETCH(QRect, panel);
        QFETCH(std::optional<QRect>, remembered);
        QFETCH(QRect, placed);
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(place_beside(QSize(600, 400), 20, panel, remembered, QMargins(4, 30, 4, 4), screen,
                              screen),
                 placed);
    }

    void a_box_belongs_to_the_window_acted_in() {
        test::GuiSession gui;
        gui.confirm("Option1");
        gui.window("Main").findChild<QAction*>("mnuBusLog")->trigger(); // opened last, on top
        QFile junk(gui.folder.filePath(QStringLiteral("junk.txt")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not settings\r\n");
        junk.close();
        gui.dialogs.file_answer = junk.fileName();
        gui.window("Main").findChild<QAction*>("mnuGet")->trigger();
        QCOMPARE(gui.dialogs.messages.size(), 1U);
        QCOMPARE(gui.dialogs.messages[0].parent, &gui.window("Main"));
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::WindowPlaceTest)
#include "window_place_test.moc"
