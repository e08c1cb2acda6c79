// The status line under the panel: the link, where the chip's words have put
// it, and the last failure, each as it stands; its chip part opens the chip state.
#include "qt/views/view_kit.h"
#include "qt_test_support.h"

#include <QLabel>
#include <QTest>

namespace zqf::qt {

namespace {

QLabel& part(const test::GuiSession& gui, const char* name) {
    auto* label = gui.window("Main").findChild<QLabel*>(QString::fromLatin1(name));
    if (label == nullptr) {
        throw std::runtime_error(std::string("no status part ") + name);
    }
    return *label;
}

bool amber(const QLabel& label) {
    return label.styleSheet().contains(warning_text_colour.name());
}

} // namespace

class StatusLineTest : public QObject {
    Q_OBJECT

  private slots:
    void link_ready_then_the_chip_stale() {
        test::GuiSession gui;
        gui.confirm("Option1");
        QLabel& link = part(gui, "status_link");
        QLabel& chip = part(gui, "status_chip");
        QTRY_COMPARE(link.text(), QStringLiteral("parallel port (virtual board)"));
        QVERIFY(!amber(link));
        QCOMPARE(chip.text(), QStringLiteral("chip: RF not known yet"));

        gui.click("Main", "Command8");
        QTRY_COMPARE(chip.text(), QStringLiteral("chip: RF 1750.00000 MHz"));
        QVERIFY(!amber(chip));
        gui.click("Main", "Toggle1"); // R2 waits for its indicator
        QTRY_COMPARE(chip.text(), QStringLiteral("chip: RF 1750.00000 MHz - 1 register stale"));
        QVERIFY(amber(chip));
        QVERIFY(
            chip.toolTip().endsWith(QStringLiteral("the panel would send another word to: R2")));

        QTest::mouseClick(&chip, Qt::LeftButton, {}, chip.rect().center());
        QVERIFY(gui.program.find("chipstate") != nullptr);
    }

    void no_link_says_so_in_amber() {
        test::GuiSession gui;
        gui.click("deviceform", "Option4");
        gui.click("deviceform", "Command1"); // no link chosen, as on a first start
        QLabel& link = part(gui, "status_link");
        QTRY_COMPARE(link.text(), QStringLiteral("no link: words are not sent"));
        QVERIFY(amber(link));
        gui.click("Main", "Command8");
        QTest::qWait(50);
        QCOMPARE(part(gui, "status_chip").text(), QStringLiteral("chip: RF not known yet"));
    }

    void a_failure_shows_in_red_for_a_while() {
        test::GuiSession gui;
        gui.board.set_claim_result(0);
        gui.confirm("Option1");
        QTRY_COMPARE(part(gui, "status_link").text(),
                     QStringLiteral("parallel port not claimed: words do not reach the board"));
        gui.click("Main", "Command8");
        QLabel& notice = part(gui, "status_notice");
        QTRY_COMPARE(notice.text(),
                     QStringLiteral("R0 failed: the parallel port was never claimed"));
        QVERIFY(notice.styleSheet().contains(fault_text_colour.name()));
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::StatusLineTest)
#include "status_line_test.moc"
