// The bus log and the chip state on screen: they follow the program while
// open beside the panel, show what failed and what is stale in red, and copy
// the rows the user chose.
#include "qt/binder/binder.h"
#include "qt_test_support.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace zqf::qt {

namespace {

void open(const test::GuiSession& gui, const char* entry) {
    gui.window("Main").findChild<QAction*>(entry)->trigger();
}

} // namespace

class BoardViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void the_bus_log_follows_the_writes_and_copies_the_chosen_rows() {
        test::GuiSession gui;
        gui.board.set_claim_result(0);
        gui.confirm("Option1");
        open(gui, "mnuBusLog");
        QCOMPARE(gui.host.binder_of(*gui.program.find("buslog"))->unshown_controls(),
                 std::vector<std::string>{});
        test::check_fits(gui.window("buslog"));
        auto* table = gui.window("buslog").findChild<QTableView*>("log_table");
        QVERIFY(table != nullptr);

        gui.click("Main", "Command8"); // R3, R2, R1, R0 to a port never claimed
        QTRY_COMPARE(table->model()->rowCount(), 4);
        const QModelIndex outcome = table->model()->index(0, 4);
        QVERIFY(
            outcome.data().toString().startsWith("failed: the parallel port was never claimed"));
        QCOMPARE(outcome.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));

        table->selectRow(1);
        gui.click("buslog", "cmdCopy");
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 3); // the heading, the row, and the end of the last line
        QVERIFY(lines[1].contains("\tR2\t"));

        gui.click("buslog", "cmdClear");
        QTRY_COMPARE(table->model()->rowCount(), 0);
        gui.click("Main", "Toggle19");
        QTRY_COMPARE(table->model()->rowCount(), 1);
    }

    void the_chip_state_marks_what_the_panel_has_left_behind() {
        test::GuiSession gui;
        gui.confirm("Option6");
        open(gui, "mnuChipState");
        QCOMPARE(gui.host.binder_of(*gui.program.find("chipstate"))->unshown_controls(),
                 std::vector<std::string>{});
        test::check_fits(gui.window("chipstate"));
        auto* registers = gui.window("chipstate").findChild<QTreeWidget*>("register_tree");
        QCOMPARE(registers->topLevelItemCount(), 8);

        gui.click("Main", "Toggle26"); // every register
        QTRY_COMPARE(registers->topLevelItem(2)->text(4), QStringLiteral("as on the panel"));
        gui.click("Main", "Toggle1"); // RF phase-detector polarity, R2 only lit
        QTRY_COMPARE(registers->topLevelItem(2)->text(4), QStringLiteral("stale"));
        QCOMPARE(registers->topLevelItem(2)->foreground(4).color(), QColor(Qt::red));
        auto* line = gui.window("chipstate").findChild<QLabel*>("summary_rf");
        QCOMPARE(line->text(), QStringLiteral("chip and panel: 1750.00000 MHz"));
    }

    void the_frequency_plot_follows_a_hop_and_exports_it() {
        test::GuiSession gui;
        gui.confirm("Option1");
        gui.click("Main", "Command8");
        open(gui, "mnuFreqPlot");
        QCOMPARE(gui.host.binder_of(*gui.program.find("freqplot"))->unshown_controls(),
                 std::vector<std::string>{});
        gui.click("Main", "Command11");
        gui.click("locktime", "Command1"); // every second: 1850 MHz first
        auto* chip = gui.window("freqplot").findChild<QChartView*>("rf_chart");
        QVERIFY(chip != nullptr);
        const auto* series = dynamic_cast<QLineSeries*>(chip->chart()->series().at(1));
        QTRY_VERIFY_WITH_TIMEOUT(
            !series->points().isEmpty() && series->points().constLast().y() == 1850.0, 3000);
        gui.click("locktime", "Command2");

        const QString csv = gui.folder.filePath(QStringLiteral("hop"));
        gui.dialogs.file_answer = csv;
        gui.click("freqplot", "cmdExportCsv");
        QFile table(csv + QStringLiteral(".csv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLatin1(table.readAll()).split('\n');
        QCOMPARE(lines[0], QStringLiteral("time (s),chip RF (MHz),panel RF (MHz)"));
        QVERIFY(lines.filter(QStringLiteral(",1850,1750")).size() == 1);

        gui.dialogs.file_answer = gui.folder.filePath(QStringLiteral("hop.png"));
        gui.click("freqplot", "cmdExportPng");
        QFile picture(gui.folder.filePath(QStringLiteral("hop.png")));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QCOMPARE(picture.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        QVERIFY(gui.dialogs.messages.empty());
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::BoardViewsTest)
#include "board_views_test.moc"
