// Entries that answer: a text its handler cannot use shows red while typed,
// with the reason as tooltip, and changes nothing stored; Return presses the
// window's main button; the RF planner says what it wrote off its grid.
#include "core/ui/controls.h"
#include "qt/binder/show_control.h"
#include "qt_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace zqf::qt {

namespace {

QLineEdit& box(const test::GuiSession& gui, const char* form, const char* name) {
    return dynamic_cast<QLineEdit&>(gui.widget(form, name));
}

void retype(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, text);
}

bool red(const QLineEdit& edit) {
    return edit.palette().color(QPalette::Base) == problem_colour;
}

} // namespace

class EntriesTest : public QObject {
    Q_OBJECT

  private slots:
    void a_box_is_red_while_its_text_cannot_be_used() {
        test::GuiSession gui;
        gui.confirm("Option1");
        gui.click("Main", "vcofreq");
        QLineEdit& r = box(gui, "synthform", "Text5");
        retype(r, QStringLiteral("16"));
        gui.host.flush_views();
        QVERIFY(red(r));
        QCOMPARE(r.toolTip(), QStringLiteral("R counter = 16 does not fit its 4-bit field, "
                                             "which takes a whole number from 0 to 15."));
        QCOMPARE(gui.program.state().r_count, int16_t{1});
        retype(r, QStringLiteral("2"));
        gui.host.flush_views();
        QVERIFY(!red(r));

        QLineEdit& rf = box(gui, "synthform", "Text1");
        retype(rf, QStringLiteral("abc"));
        gui.host.flush_views();
        QVERIFY(red(rf));
        QCOMPARE(rf.toolTip(), QStringLiteral("\"abc\" is not a number."));
        QCOMPARE(gui.program.state().rf_freq, 1750e6);
    }

    void return_presses_the_main_button_and_the_planner_tells_the_grid() {
        test::GuiSession gui;
        gui.confirm("Option1");
        gui.click("Main", "vcofreq");
        QLineEdit& rf = box(gui, "synthform", "Text1");
        retype(rf, QStringLiteral("1760"));
        QTest::keyClick(&rf, Qt::Key_Return);
        QCOMPARE(gui.board.latched(0), std::optional<uint32_t>(176U << 14));

        retype(rf, QStringLiteral("2450.1"));
        QTest::keyClick(&rf, Qt::Key_Return);
        auto& note = dynamic_cast<QLabel&>(gui.widget("synthform", "grid_note"));
        QCOMPARE(note.text(), QStringLiteral("2450.0 MHz written, 100 kHz below the wanted "
                                             "2450.1 MHz (200 kHz channel grid)"));
        QVERIFY(note.isVisible());
        gui.click("synthform", "Command2");

        // An exerciser starts on Return.
        gui.click("Main", "Command11");
        QLineEdit& rate = box(gui, "locktime", "Text3");
        retype(rate, QStringLiteral("500"));
        QTest::keyClick(&rate, Qt::Key_Return);
        QVERIFY(gui.program.find("locktime")->get<Timer>("Timer1").timer_enabled());
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::EntriesTest)
#include "entries_test.moc"
