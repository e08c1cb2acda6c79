// Walks the desktop program through its windows on a real display and saves a
// picture of the screen at each stop: the start window, then the main window
// of every device, the planners and the exercisers. Run it under Xvfb (scripts/screenshots.sh).
#include "core/windows/program.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"
#include "qt/host/qt_host.h"
#include "qt/remote/qt_remote_service.h"
#include "qt/views/views.h"
#include "remote/diverting_host.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTcpSocket>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <iostream>

namespace {

void settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QTest::qWait(30);
    }
}

void shoot(const QString& file) {
    settle();
    QProcess::execute(QStringLiteral("import"), {"-window", "root", file});
    std::cout << "saved " << file.toStdString() << '\n';
}

void click(QWidget& window, const char* name) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        std::cerr << "no widget " << name << '\n';
        return;
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void retype(QWidget& window, const char* name, const char* text) {
    auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    if (edit == nullptr) {
        std::cerr << "no text box " << name << '\n';
        return;
    }
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

struct Session {
    zqf::qt::QtHost host{zqf::qt::default_views(), std::make_unique<zqf::qt::QtDialogs>()};
    zqf::Program* program_ptr = nullptr;
    zqf::VirtualBoard board{
        [this] { return zqf::chip_geometry(program_ptr->state().device_name); }};
    zqf::remote::DivertingHost diverting{host};
    zqf::Program program{diverting, board, {QDir::currentPath().toStdString(), "comms_option.txt"}};
    zqf::qt::QtRemoteService remote{program, diverting, host, "3.0"};

    Session() {
        program_ptr = &program;
        program.set_remote_service(&remote);
        host.attach(program);
        host.set_quit([] {});
        host.run([this] { program.start(); });
    }
    // The exercisers may still tick on their thread: no window outlives the program.
    ~Session() {
        host.run([this] { program.end(); });
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    QWidget& window(const char* form) { return *host.window_of(*program.find(form)); }
    void confirm(const char* option) {
        QWidget& start = window("deviceform");
        click(start, option);
        click(start, "option_par");
        click(start, "Command1");
        settle();
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QStringList only = app.arguments().mid(2);
    // The panel on other screens is taken only when named, on a screen of that size.
    for (const char* stop : {"panel-1366x768", "panel-150"}) {
        if (!only.contains(QString::fromLatin1(stop))) {
            continue;
        }
        Session session;
        session.confirm("Option6");
        click(session.window("Main"), "Command8");
        shoot(out + "/" + stop + ".png");
    }
    // The start window and the help windows: in a full tour, or when "start" is named.
    if (only.isEmpty() || only.contains(QStringLiteral("start"))) {
        {
            Session session;
            shoot(out + "/start-window.png");
            click(session.window("deviceform"), "Command2");
            shoot(out + "/comms-help.png");
        }
        {
            Session session;
            QWidget& start = session.window("deviceform");
            click(start, "Option1");
            click(start, "option_par");
            click(start, "Command1");
            session.window("Main").findChild<QAction*>("mnuProg")->trigger();
            shoot(out + "/programming-notes.png");
            click(session.window("helpform"), "Command1");
            session.window("Main").findChild<QAction*>("aboutmenu")->trigger();
            shoot(out + "/about.png");
        }
    }
    // The bus log and the chip state beside the panel, after a bench session
    // that leaves the chip behind it: the planner, an LCD step, "Lock Time"
    // (R0 alone) and a switch whose register waits for its indicator.
    for (const char* stop : {"board-1366x768", "board-150"}) {
        if (!only.contains(QString::fromLatin1(stop))) {
            continue;
        }
        Session session;
        session.confirm("Option1");
        click(session.window("Main"), "vcofreq");
        QWidget& planner = session.window("synthform");
        retype(planner, "Text1", "1750.4");
        retype(planner, "Text3", "100");
        click(planner, "Command3");
        click(planner, "Command4");
        retype(planner, "Text2", "5000");
        click(planner, "Command6");
        click(planner, "Command2");
        settle();
        click(session.window("Main"), "Toggle1");
        session.window("Main").findChild<QAction*>("mnuBusLog")->trigger();
        session.window("Main").findChild<QAction*>("mnuChipState")->trigger();
        settle();
        // Side by side where the screen allows: the chip state at the right,
        // the bus log at the bottom left, the panel behind them.
        const QRect screen = session.window("Main").screen()->availableGeometry();
        QWidget& chip = session.window("chipstate");
        chip.move(screen.right() - chip.frameGeometry().width() + 1, screen.top());
        QWidget& log = session.window("buslog");
        log.move(screen.left(), screen.bottom() - 48 - log.frameGeometry().height() + 1);
        shoot(out + "/" + stop + ".png");
    }
    // The Remote Control window beside the panel, a client connected after
    // a few commands, one of them refused.
    for (const char* stop : {"remote-control", "remote-control-150"}) {
        if (!only.contains(QString::fromLatin1(stop))) {
            continue;
        }
        Session session;
        session.confirm("Option6");
        session.window("Main").findChild<QAction*>("mnuRemoteControl")->trigger();
        settle();
        QWidget& remote = session.window("remotecontrol");
        retype(remote, "txtAddress", "127.0.0.1:5025");
        click(remote, "cmdStart");
        QTcpSocket client;
        client.connectToHost(QStringLiteral("127.0.0.1"), 5025);
        client.waitForConnected(2000);
        for (const char* line :
             {"*IDN?\n", "FREQ 1750.2 MHZ;*OPC?\n", "SOUR2:FREQ 540.4MHZ;:OUTP2 OFF\n",
              "FREQ 6 GHZ\n", "REG2 #H8802\n", "SYST:ERR:COUN?;:REG0?\n"}) {
            client.write(line);
            client.waitForBytesWritten(1000);
            settle();
        }
        settle();
        const QRect screen = session.window("Main").screen()->availableGeometry();
        remote.move(screen.right() - remote.frameGeometry().width() + 1,
                    screen.bottom() - 48 - remote.frameGeometry().height() + 1);
        shoot(out + "/" + stop + ".png");
    }
    const std::pair<const char*, const char*> devices[] = {
        {"Option1", "zqf7310"}, {"Option2", "zqf7320"}, {"Option4", "zqf7340"},
        {"Option5", "zqf7350"}, {"Option3", "zqf7610"}, {"Option6", "zqf7620"},
    };
    for (const auto& [option, device] : devices) {
        if (!only.isEmpty() && !only.contains(QString::fromLatin1(device))) {
            continue;
        }
        Session session;
        QWidget& start = session.window("deviceform");
        click(start, option);
        click(start, "option_par");
        click(start, "Command1");
        settle();
        // Every register written once, so the register table shows the words.
        click(session.window("Main"), "Command8");
        shoot(out + "/main-" + device + ".png");
    }
    const auto wanted = [&only](const char* stop) {
        return only.isEmpty() || only.contains(QString::fromLatin1(stop));
    };
    if (wanted("planners")) {
        {
            Session session;
            session.confirm("Option1");
            click(session.window("Main"), "vcofreq");
            QWidget& planner = session.window("synthform");
            retype(planner, "Text1", "1750.4");
            retype(planner, "Text3", "100");
            click(planner, "Command3");
            shoot(out + "/rf-planner.png");
        }
        {
            Session session;
            session.confirm("Option6");
            click(session.window("Main"), "ifvcofreq");
            click(session.window("synthformIF"), "Command3");
            click(session.window("synthformIF"), "Command4");
            shoot(out + "/if-planner.png");
        }
        {
            Session session;
            session.confirm("Option2");
            click(session.window("Main"), "Label42");
            shoot(out + "/crystal-window.png");
            click(session.window("crystalform"), "Command2");
            settle();
            click(session.window("Main"), "Toggle32");
            retype(session.window("fastlockform"), "Text1", "100");
            shoot(out + "/fast-lock-window.png");
        }
    }
    if (wanted("auxiliary")) {
        // Each window over the panel that opens it, showing a loaded choice.
        const auto window_of = [out](const char* device, const char* door, const char* form,
                                     std::initializer_list<const char*> clicks, const char* file) {
            Session session;
            session.confirm(device);
            click(session.window("Main"), door);
            for (const char* name : clicks) {
                click(session.window(form), name);
            }
            shoot(out + "/" + file);
        };
        window_of("Option6", "Command6", "testform", {"Option32", "Command3"}, "rf-test-modes.png");
        window_of("Option6", "Command3", "iftestform", {"Option26", "Command3"},
                  "if-test-modes.png");
        window_of("Option6", "currentsetting1", "current1form", {}, "if-current.png");
        window_of("Option6", "currentsetting2", "current2form", {}, "rf-current-dual.png");
        window_of("Option2", "currentsetting2", "currentform7310", {}, "current-zqf7320.png");
        window_of("Option4", "currentsetting2", "currentform7340", {}, "current-zqf7340.png");
        window_of("Option6", "Command2", "dualpowerform", {"Option2"}, "powerdown.png");
        window_of("Option6", "Command1", "dualmuxform", {}, "divider-entry.png");
    }
    if (wanted("status")) {
        // The status line in its three states, each on a family of its own.
        {
            Session session;
            session.confirm("Option6");
            click(session.window("Main"), "Toggle26"); // every register
            shoot(out + "/status-ready.png");
        }
        {
            // A first start: no link remembered, none chosen.
            QFile::remove(QStringLiteral("comms_option.txt"));
            Session session;
            QWidget& start = session.window("deviceform");
            click(start, "Option1");
            click(start, "Command1");
            settle();
            click(session.window("Main"), "Command8");
            shoot(out + "/status-no-link.png");
        }
        {
            // A new ZQF7340 panel written, then a switch whose register waits.
            Session session;
            session.confirm("Option4");
            click(session.window("Main"), "Command8");
            click(session.window("Main"), "Toggle1");
            shoot(out + "/status-stale.png");
        }
    }
    if (wanted("entries")) {
        {
            Session session;
            session.confirm("Option1");
            click(session.window("Main"), "vcofreq");
            QWidget& planner = session.window("synthform");
            retype(planner, "Text5", "16");
            settle();
            auto* box = planner.findChild<QLineEdit*>(QStringLiteral("Text5"));
            QToolTip::showText(box->mapToGlobal(QPoint(box->width() / 2, box->height())),
                               box->toolTip(), box);
            shoot(out + "/entry-error.png");
        }
        {
            Session session;
            session.confirm("Option1");
            click(session.window("Main"), "vcofreq");
            QWidget& planner = session.window("synthform");
            retype(planner, "Text1", "2450.1");
            QTest::keyClick(planner.findChild<QLineEdit*>(QStringLiteral("Text1")), Qt::Key_Return);
            shoot(out + "/grid-note.png");
        }
    }
    if (wanted("plot")) {
        // A hop every 20 ms between 1850 and 1860 MHz, plotted beside the panel.
        Session session;
        session.confirm("Option1");
        click(session.window("Main"), "Command8");
        session.window("Main").findChild<QAction*>("mnuFreqPlot")->trigger();
        settle();
        click(session.window("Main"), "Command11");
        QWidget& hopper = session.window("locktime");
        retype(hopper, "Text3", "20");
        click(hopper, "Command1");
        QTest::qWait(1500);
        QWidget& plot = session.window("freqplot");
        auto* span = plot.findChild<QComboBox*>(QStringLiteral("cboSpan"));
        span->setCurrentIndex(0);
        emit span->activated(0); // the last second
        // The hopper at the bottom left, the plot over the panel at the top right.
        const QRect screen = plot.screen()->availableGeometry();
        hopper.move(screen.left(), screen.bottom() - 48 - hopper.frameGeometry().height() + 1);
        plot.move(screen.right() - plot.frameGeometry().width() + 1, screen.top());
        plot.raise();
        QTest::qWait(300);
        shoot(out + "/frequency-plot.png");
    }
    if (wanted("exercisers")) {
        // Each while its timer runs, part of the way through.
        {
            Session session;
            session.confirm("Option1");
            click(session.window("Main"), "Command9");
            QWidget& sweep = session.window("sweepform");
            retype(sweep, "Text4", "200");
            click(sweep, "Command3");
            QTest::qWait(1100);
            shoot(out + "/sweep-window.png");
        }
        {
            Session session;
            session.confirm("Option5");
            click(session.window("Main"), "Command9");
            QWidget& sweep = session.window("sweepform");
            retype(sweep, "Text3", "1750.0001");
            retype(sweep, "Text4", "20");
            click(sweep, "Command3");
            QTest::qWait(900);
            shoot(out + "/sweep-window-zqf7350.png");
        }
        {
            Session session;
            session.confirm("Option1");
            click(session.window("Main"), "Command11");
            QWidget& hopper = session.window("locktime");
            retype(hopper, "Text3", "250");
            click(hopper, "Command1");
            QTest::qWait(1900);
            shoot(out + "/hop-window.png");
        }
        {
            Session session;
            session.confirm("Option4");
            click(session.window("Main"), "command14");
            QWidget& phase = session.window("spur_opt");
            retype(phase, "sweep_rate_box", "20");
            click(phase, "Command1");
            QTest::qWait(900);
            shoot(out + "/spur-opt-window.png");
        }
    }
    return 0;
}
