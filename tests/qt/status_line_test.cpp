// The status line under the panel: the link, where the chip's words have put
// it, and the last failure, each as it stands; its chip part opens the chip state.
#include "qt/views/view_kit.h"
#include "qt/widgets/status_strip.h"
#include "qt_test_support.h"

#include <QTest>

namespace zqf::qt {

namespace {

enum { link, chip, notice };

StatusStrip& strip(const test::GuiSession& gui) {
    return dynamic_cast<StatusStrip&>(gui.widget("Main", "status_line"));
}

QString text(const test::GuiSession& gui, int part) {
    return strip(gui).part(part).text;
}

bool amber(const test::GuiSession& gui, int part) {
    return strip(gui).part(part).colour == warning_text_colour;
}

} // namespace

class StatusLineTest : public QObject {
    Q_OBJECT

  private slots:
    void link_ready_then_the_chip_stale() {
        test::GuiSession gui;
        gui.confirm("Option1");
        QTRY_COMPARE(text(gui, link), QStringLiteral("parallel port (virtual board)"));
        QVERIFY(!amber(gui, link));
        QCOMPARE(text(gui, chip), QStringLiteral("chip: RF not known yet"));

        gui.click("Main", "Command8");
        QTRY_COMPARE(text(gui, chip), QStringLiteral("chip: RF 1750.00000 MHz"));
        QVERIFY(!amber(gui, chip));
        gui.click("Main", "Toggle1"); // R2 waits for its indicator
        QTRY_COMPARE(text(gui, chip), QStringLiteral("chip: RF 1750.00000 MHz - 1 register stale"));
        QVERIFY(amber(gui, chip));
        QVERIFY(strip(gui).part(chip).tooltip.endsWith(
            QStringLiteral("the panel would send another word to: R2")));

        strip(gui).repaint(); // where the parts lie
        QTest::mouseClick(&strip(gui), Qt::LeftButton, {}, strip(gui).part_rect(chip).center());
        QVERIFY(gui.program.find("chipstate") != nullptr);
    }

    void no_link_says_so_in_amber() {
        test::GuiSession gui;
        gui.click("deviceform", "Option4");
        gui.click("deviceform", "Command1"); // no link chosen, as on a first start
        QTRY_COMPARE(text(gui, link), QStringLiteral("no link: words are not sent"));
        QVERIFY(amber(gui, link));
        gui.click("Main", "Command8");
        QTest::qWait(50);
        QCOMPARE(text(gui, chip), QStringLiteral("chip: RF not known yet"));
    }

    void a_failure_shows_in_red_for_a_while() {
        test::GuiSession gui;
        gui.board.set_claim_result(0);
        gui.confirm("Option1");
        QTRY_COMPARE(text(gui, link),
                     QStringLiteral("parallel port not claimed: words do not reach the board"));
        gui.click("Main", "Command8");
        QTRY_COMPARE(text(gui, notice),
                     QStringLiteral("R0 failed: the parallel port was never claimed"));
        QCOMPARE(strip(gui).part(notice).colour, fault_text_colour);
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::StatusLineTest)
#include "status_line_test.moc"
