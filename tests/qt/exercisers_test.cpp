// The exercisers on screen: their timers tick on the desktop's tick thread,
// what the ticks write must be exactly what the bench scripts' virtual clock
// makes of the same actions, and a busy window thread must not hold them up.
#include "cli/virtual_clock.h"
#include "platform/linux/monotonic_timer.h"
#include "qt_test_support.h"

#include <QTest>

#include <chrono>
#include <mutex>
#include <thread>

namespace zqf::qt {

namespace {

constexpr int interval_ms = 5;

// Every word the link sends, and when; written by the ticks on their thread.
struct Words {
    std::vector<double> words;
    std::vector<int64_t> times;

    explicit Words(Program& program) {
        program.link().add_observer([this](const SentWord& sent) {
            words.push_back(sent.word);
            times.push_back(monotonic_ns());
        });
    }
};

// `look` run with the model lock held, as a view looks.
template <typename F> auto held(QtHost& host, F look) {
    const std::scoped_lock hold(host.model_lock());
    return look();
}

// The model's timers fired on the virtual clock until it reaches `ms`.
void advance_to(cli::VirtualClock& clock, Program& program, int64_t ms) {
    clock.advance(
        ms - clock.now_ms(), [&program] { return program.open_forms(); },
        [&program] {
            program.collect();
            return true;
        });
}

} // namespace

class ExercisersTest : public QObject {
    Q_OBJECT

  private slots:
    void real_ticks_write_what_the_virtual_clock_writes_data() {
        QTest::addColumn<QString>("door");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("rate_box");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        // The sweep ends on its own: ten words, then a tick that finds the stop.
        QTest::addColumn<bool>("ends");
        QTest::newRow("sweep") << "Command9"
                               << "sweepform"
                               << "Text4"
                               << "Command3"
                               << "Command4" << true;
        QTest::newRow("hopper") << "Command11"
                                << "locktime"
                                << "Text3"
                                << "Command1"
                                << "Command3" << false;
    }
    void real_ticks_write_what_the_virtual_clock_writes() {
        QFETCH(QString, door);
        QFETCH(QString, window);
        QFETCH(QString, rate_box);
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(bool, ends);
        const QByteArray form = window.toLatin1();
        test::Twin twin("Option1");
        cli::VirtualClock clock;
        Words on_screen(twin.gui.program);
        Words in_model(twin.model.program);
        twin.click("Main", door.toLatin1().constData());
        twin.retype(form.constData(), rate_box.toLatin1().constData(),
                    QString::number(interval_ms));
        clock.track(twin.model.program.open_forms());

        const int64_t t0 = monotonic_ns();
        twin.click(form.constData(), start.toLatin1().constData());
        const Timer& timer = twin.gui.program.find(form.constData())->get<Timer>("Timer1");
        QtHost& host = twin.gui.host;
        if (ends) {
            QTRY_VERIFY_WITH_TIMEOUT(held(host, [&] { return !timer.timer_enabled(); }), 10000);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(held(host, [&] { return on_screen.words.size() >= 10; }),
                                     10000);
            twin.gui.click(form.constData(), stop.toLatin1().constData());
        }
        const auto ticks = static_cast<int64_t>(on_screen.words.size()) + (ends ? 1 : 0);
        advance_to(clock, twin.model.program, ticks * interval_ms);
        twin.model.click(form.constData(), stop.toLatin1().constData());

        QCOMPARE(on_screen.words, in_model.words);
        twin.compare(form.constData());
        // Never before its time: tick k is due at t0 + k x interval.
        for (std::size_t k = 0; k < on_screen.times.size(); ++k) {
            QVERIFY(on_screen.times[k] >=
                    t0 + static_cast<int64_t>(k + 1) * interval_ms * 1'000'000);
        }
    }

    // The window thread stuck for 200 ms (a slow redraw, a dialog coming up)
    // while the hopper hops every millisecond: the hops due meanwhile go out
    // all the same, before the window thread is free again.
    void a_blocked_window_thread_holds_up_no_hop() {
        test::GuiSession session;
        session.confirm("Option1");
        const Words sent(session.program);
        session.click("Main", "Command11");
        session.host.run(
            [&session] { session.program.find("locktime")->find("Text3")->user_type("1"); });
        session.click("locktime", "Command1");
        const auto count = [&] { return held(session.host, [&] { return sent.words.size(); }); };
        QTRY_VERIFY_WITH_TIMEOUT(count() >= 5, 5000);

        const std::size_t before = count();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::size_t during = count() - before;
        // About 200 were due; most must be out, though the machine is shared.
        QVERIFY2(during >= 100, qPrintable(QString("%1 hops sent while blocked").arg(during)));
        session.click("locktime", "Command3");
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::ExercisersTest)
#include "exercisers_test.moc"
