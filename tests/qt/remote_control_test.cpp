// Board > Remote Control... on the desktop: a real TCP client drives the
// panel through the window's instrument, without a box ever opening, and the
// sweep it starts ticks on the desktop's own timers.
#include "core/windows/program.h"
#include "qt/binder/binder.h"
#include "qt/host/recent_files.h"
#include "qt/remote/qt_remote_service.h"
#include "qt/views/views.h"
#include "qt_test_support.h"
#include "remote/diverting_host.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>
#include <QTcpSocket>
#include <QTest>

namespace zqf::qt {

namespace {

// The desktop program as zqfeval --virtual runs it, remote control offered.
struct RemoteDesktop {
    QTemporaryDir folder;
    test::ScriptedDialogs::Record dialogs;
    QtHost host{default_views(), std::make_unique<test::ScriptedDialogs>(dialogs)};
    VirtualBoard board{[this] { return chip_geometry(program.state().device_name); }};
    remote::DivertingHost diverting{host};
    Program program{diverting,
                    board,
                    {folder.path().toStdString(),
                     folder.filePath(QStringLiteral("comms_option.txt")).toStdString()}};
    QtRemoteService remote{program, diverting, host, "9.9"};

    RemoteDesktop() {
        program.set_remote_service(&remote);
        host.attach(program);
        host.set_quit([] {});
        program.start();
        Form& start = *program.find("deviceform");
        host.run([&start] { start.get<OptionButton>("Option6").user_click(); });
        host.run([&start] { start.get<OptionButton>("option_par").user_click(); });
        host.run([&start] { start.get<CaptionControl>("Command1").user_click(); });
        host.window_of(*program.main_form())->findChild<QAction*>("mnuRemoteControl")->trigger();
    }
    ~RemoteDesktop() { program.end(); }

    QWidget& window(const char* form) { return *host.window_of(*program.find(form)); }
    void start(const char* address) {
        QWidget& remote_window = window("remotecontrol");
        auto* edit = remote_window.findChild<QLineEdit*>("txtAddress");
        edit->setText(QString::fromLatin1(address));
        emit edit->textEdited(edit->text());
        QTest::mouseClick(remote_window.findChild<QWidget*>("cmdStart"), Qt::LeftButton);
    }
};

// Sends a line and waits for the response line.
QString ask(QTcpSocket& client, const char* line) {
    client.write(line);
    client.write("\n");
    [&client] { QTRY_VERIFY_WITH_TIMEOUT(client.canReadLine(), 5000); }();
    return QString::fromLatin1(client.readLine()).trimmed();
}

} // namespace

class RemoteControlTest : public QObject {
    Q_OBJECT

  private slots:
    void a_client_drives_the_panel_and_is_shown() {
        RemoteDesktop desktop;
        QCOMPARE(desktop.host.binder_of(*desktop.program.find("remotecontrol"))->unshown_controls(),
                 std::vector<std::string>{});
        desktop.start("127.0.0.1:0");
        QVERIFY(desktop.remote.listening());
        const quint16 port = static_cast<quint16>(
            QString::fromStdString(desktop.remote.address()).section(':', -1).toUInt());
        auto* badge = desktop.window("Main").findChild<QLabel*>("lblRemote");
        QVERIFY(badge->isHidden());

        QTcpSocket client;
        client.connectToHost(QStringLiteral("127.0.0.1"), port);
        QTRY_VERIFY(!badge->isHidden());
        QCOMPARE(ask(client, "FREQ 1750.2 MHZ;*OPC?;REG0?"), QStringLiteral("1;#H578008"));
        QCOMPARE(desktop.board.latched(0), std::optional<uint32_t>(0x578008));
        QTRY_COMPARE(desktop.window("Main").findChild<QLabel*>("vcofreq")->text(),
                     QStringLiteral("1750.20000MHz"));
        QVERIFY(ask(client, "FREQ 6 GHZ;:SYST:ERR?").startsWith("-222,\"Data out of range;INT"));
        QVERIFY(desktop.dialogs.messages.empty());
        auto* table = desktop.window("remotecontrol").findChild<QTableWidget*>("command_table");
        QTRY_COMPARE(table->rowCount(), 5);
        QCOMPARE(table->item(3, 2)->text(), QStringLiteral("FREQ 6 GHZ"));
        QVERIFY(table->item(3, 3)->text().startsWith("-222"));

        // *RST confirms the start window again: a new main window, still marked.
        QCOMPARE(ask(client, "*RST;*OPC?;FREQ?"), QStringLiteral("1;1750000000"));
        QWidget* main = desktop.host.window_of(*desktop.program.main_form());
        QVERIFY(main != nullptr);
        badge = main->findChild<QLabel*>("lblRemote");
        QTRY_VERIFY(!badge->isHidden());

        client.disconnectFromHost();
        QTRY_VERIFY(badge->isHidden());
    }

    void a_sweep_ticks_on_the_desktop_until_opc_answers() {
        RemoteDesktop desktop;
        desktop.start("127.0.0.1:0");
        QTcpSocket client;
        client.connectToHost(
            QStringLiteral("127.0.0.1"),
            static_cast<quint16>(
                QString::fromStdString(desktop.remote.address()).section(':', -1).toUInt()));
        QVERIFY(client.waitForConnected(2000));
        QCOMPARE(ask(client, "FREQ:MODE SWE;STAR 1750MHZ;STOP 1750.6MHZ;:SWE:DWEL 10MS;:INIT;"
                             "*OPC?;:REG0?"),
                 QStringLiteral("1;#H578018"));
        // The sweep's window is the client's: nobody sees it.
        const Form* sweep = desktop.program.find("sweepform");
        QVERIFY(sweep != nullptr && desktop.host.window_of(*sweep) == nullptr);
    }

    // The instrument's host wraps the desktop's: what the desktop's own host
    // does beyond boxes and dialogs must still reach it.
    void the_desktop_host_still_keeps_recent_files_and_tells_how_ticks_run() {
        RemoteDesktop desktop;
        auto owned = std::make_unique<RecentFiles>(std::make_unique<QSettings>(
            desktop.folder.filePath(QStringLiteral("recent.conf")), QSettings::IniFormat));
        const RecentFiles& recent = *owned;
        desktop.host.set_recent_files(std::move(owned));
        const QString saved = desktop.folder.filePath(QStringLiteral("bench.txt"));
        desktop.dialogs.file_answer = saved;
        desktop.window("Main").findChild<QAction*>(QStringLiteral("mnuSave"))->trigger();
        QCOMPARE(recent.files(), QStringList{saved});

        desktop.window("Main").findChild<QAction*>(QStringLiteral("aboutmenu"))->trigger();
        auto* timing =
            desktop.window("aboutform").findChild<QLabel*>(QStringLiteral("tick_timing"));
        QVERIFY(timing != nullptr && !timing->isHidden());
        QVERIFY(timing->text().startsWith(QStringLiteral("Exerciser ticks run on a thread")));
    }

    void an_address_it_cannot_use_is_refused_with_a_message() {
        RemoteDesktop desktop;
        desktop.start("127.0.0.1:99999");
        QVERIFY(!desktop.remote.listening());
        QCOMPARE(desktop.dialogs.messages.size(), std::size_t{1});
        QVERIFY(desktop.dialogs.messages[0].text.startsWith("Remote control cannot start: "));
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::RemoteControlTest)
#include "remote_control_test.moc"
