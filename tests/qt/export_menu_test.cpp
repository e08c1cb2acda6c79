// File > Export Registers... on screen: the entry sits in the File menu, the
// save dialog offers one filter per format, and the file holds the chosen one.
#include "core/link/full_write.h"
#include "qt_test_support.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTest>

namespace zqf::qt {

class ExportMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void the_file_menu_exports_the_panels_words_in_the_chosen_format() {
        test::GuiSession session;
        session.confirm("Option6");
        QWidget& main = session.window("Main");
        auto* file_menu = main.findChild<QMenu*>("mnuFile");
        auto* entry = main.findChild<QAction*>("mnuExport");
        QVERIFY(file_menu != nullptr && entry != nullptr);
        QVERIFY(file_menu->actions().contains(entry));
        QCOMPARE(entry->text(), QString("&Export Registers..."));

        const QString path = session.folder.filePath("regs.json");
        session.dialogs.file_answer = path;
        entry->trigger();
        QCOMPARE(
            session.dialogs.filters.back(),
            QString("Hex Word List (*.txt);;C Header (*.h);;CSV Table (*.csv);;JSON (*.json)"));
        QVERIFY(session.dialogs.messages.empty());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto words = full_write_words(session.program.state());
        QCOMPARE(file.readAll().toStdString(),
                 export_registers(ExportFormat::json,
                                  {device_profile("ZQF7620"), "the zqfeval panel"},
                                  std::get<std::vector<RegisterWord>>(words)));
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::ExportMenuTest)
#include "export_menu_test.moc"
