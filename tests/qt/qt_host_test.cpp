// The desktop host: windows per form, modality without nested event loops,
// close boxes that ask the model, blocking dialogs with the timers paused,
// form timers ticking on their own thread, and freeing closed windows after
// the outermost action.
#include "qt/binder/binder.h"
#include "qt/host/form_timers.h"
#include "qt/host/qt_host.h"
#include "qt/views/views.h"
#include "qt_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <mutex>

namespace zqf::qt {

namespace {

// A window model the tests control: a close box that can refuse, a timer,
// and buttons that use the blocking dialogs.
class ProbeForm final : public Form {
  public:
    ProbeForm(WindowManager& windows, Host& host) : Form(windows, "probe", "Probe"), host_(host) {
        label("Label1", "Probe");
        button("Close", "Close").on_click = [this] { close(); };
        button("Ask", "Ask").on_click = [this] {
            host_.message_box(MessageIcon::exclamation, "Title", "Text");
            answer = host_.open_file_dialog(settings_file_filter);
        };
        button("Fault", "Fault").on_click = [this] { get<TextBox>("no such control"); };
        auto& tick = add<Timer>("Timer1", 20);
        tick.on_timer = [this] {
            ++ticks;
            if (on_tick) {
                on_tick();
            }
        };
    }
    void close_box() override {
        ++close_box_asks;
        if (may_close) {
            close();
        }
    }
    Timer& timer() { return get<Timer>("Timer1"); }
    void set_label(const std::string& caption) {
        get<CaptionControl>("Label1").set_caption(caption);
    }

    bool may_close = false;
    int close_box_asks = 0;
    int ticks = 0;
    std::function<void()> on_tick;
    std::optional<std::string> answer;

  private:
    Host& host_;
};

// Keeps the probe forms alive and closes them as a program would.
struct ProbeWindows final : WindowManager {
    explicit ProbeWindows(Host& host) : host_(host) {}
    void close(Form& form) override {
        host_.closed(form);
        ++closes;
    }
    Host& host_;
    int closes = 0;
};

// A desktop host with the probe form, and what its dialogs were asked.
struct Probe {
    test::ScriptedDialogs::Record record;
    QtHost host{default_views(), std::make_unique<test::ScriptedDialogs>(record)};
    ProbeWindows windows{host};
    ProbeForm form{windows, host};

    Probe() { record.host = &host; }
    // Ticks run on the tick thread: looked at with the model lock held.
    int ticks() {
        const std::scoped_lock hold(host.model_lock());
        return form.ticks;
    }
    void click(const char* button) {
        QTest::mouseClick(host.window_of(form)->findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

} // namespace

class QtHostTest : public QObject {
    Q_OBJECT

  private slots:
    void a_shown_form_gets_its_window_and_loses_it_when_closed() {
        Probe p;
        p.host.show(p.form, false);
        QPointer<QWidget> window = p.host.window_of(p.form);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        // No view of its own: the generic one shows every control.
        QVERIFY(p.host.binder_of(p.form)->unshown_controls().empty());

        p.click("Close");
        QCOMPARE(p.host.window_of(p.form), nullptr);
        QVERIFY(window && window->isHidden());
        test::flush_deleted();
        QVERIFY(!window);
    }

    void the_close_box_asks_the_model() {
        Probe p;
        p.host.show(p.form, true);
        QWidget* window = p.host.window_of(p.form);
        QVERIFY(!window->close());
        QTest::keyClick(window, Qt::Key_Escape);
        QCOMPARE(p.form.close_box_asks, 2);
        QVERIFY(window->isVisible());
        p.form.may_close = true;
        window->close();
        QCOMPARE(p.windows.closes, 1);
        QCOMPARE(p.host.window_of(p.form), nullptr);
    }

    void a_modal_form_blocks_every_window_without_an_event_loop() {
        test::GuiSession session;
        session.confirm("Option1");
        QWidget& main = session.window("Main");
        main.findChild<QAction*>("aboutmenu")->trigger();
        // trigger() returned: no nested loop ran the dialog.
        auto* about = qobject_cast<QDialog*>(&session.window("aboutform"));
        QVERIFY(about != nullptr);
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QVERIFY(about->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), about);
        QVERIFY(session.program.is_blocked(*session.program.find("Main")));

        session.click("aboutform", "Command1");
        QCOMPARE(session.program.find("aboutform"), nullptr);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void message_boxes_and_file_dialogs_block_with_the_timers_paused() {
        Probe p;
        p.record.file_answer = QString("/tmp/settings.txt");
        p.form.timer().set_timer_enabled(true);
        p.host.show(p.form, false);
        QCOMPARE(p.host.timers_of(p.form)->running(), 1);

        p.click("Ask");
        QCOMPARE(p.record.messages.size(), std::size_t(1));
        QCOMPARE(p.record.messages[0].icon, MessageIcon::exclamation);
        QCOMPARE(p.record.messages[0].title, QString("Title"));
        QCOMPARE(p.record.messages[0].text, QString("Text"));
        QVERIFY(p.record.messages[0].timers_paused);
        QCOMPARE(p.record.filters, std::vector<QString>{QString("Test Files (*.txt)")});
        QCOMPARE(p.form.answer, std::optional<std::string>("/tmp/settings.txt"));
        QVERIFY(!p.host.timers_paused());
        QCOMPARE(p.host.timers_of(p.form)->running(), 1);

        p.record.file_answer.reset();
        QCOMPARE(p.host.save_file_dialog(settings_file_filter), std::nullopt);
    }

    // What a tick changes shows a frame later; a message box the tick opens
    // finds the window beneath already showing it.
    void ticks_show_at_screen_rate_yet_before_a_message_box() {
        Probe p;
        p.host.show(p.form, false);
        const auto* label = p.host.window_of(p.form)->findChild<QLabel*>("Label1");
        QString beneath;
        p.record.on_open = [&] { beneath = label->text(); };
        p.host.run_tick([&] { p.form.set_label("Tick 1"); });
        QCOMPARE(label->text(), QString("Probe"));
        QTRY_COMPARE(label->text(), QString("Tick 1"));

        p.host.run_tick([&] {
            p.form.set_label("Tick 2");
            p.host.message_box(MessageIcon::information, "Title", "Text");
        });
        QCOMPARE(beneath, QString("Tick 2"));
    }

    void the_real_message_box_waits_for_its_answer() {
        QtDialogs dialogs;
        QString seen_title;
        QString seen_text;
        QMessageBox::Icon seen_icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            seen_title = box->windowTitle();
            seen_text = box->text();
            seen_icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.message_box(nullptr, MessageIcon::critical, "",
                            "Failed to determine operating system");
        QCOMPARE(seen_icon, QMessageBox::Critical);
        QCOMPARE(seen_title, QString());
        QCOMPARE(seen_text, QString("Failed to determine operating system"));
    }

    // The settings dialogs open where the last file was chosen, also in the
    // next run, which reads the same user settings.
    void file_dialogs_start_in_the_folder_last_used() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("panels"));
        const QString ini = dir.filePath("zqfeval.ini");
        const QString panels = QDir(dir.path()).absoluteFilePath("panels");
        const auto dialogs = [&ini] {
            return QtDialogs(std::make_unique<QSettings>(ini, QSettings::IniFormat));
        };
        QString started_in;
        const auto answer = [&started_in](const QString& name) {
            QTimer::singleShot(0, [&started_in, name] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                started_in = dialog->directory().absolutePath();
                if (name.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->selectFile(name);
                static_cast<QDialog*>(dialog)->accept();
            });
        };
        answer(panels + "/a.txt");
        const auto saved = dialogs().save_file(nullptr, "Test Files (*.txt)");
        QCOMPARE(saved, std::optional<QString>(panels + "/a.txt"));
        answer(QString());
        QCOMPARE(dialogs().open_file(nullptr, "Test Files (*.txt)"), std::nullopt);
        QCOMPARE(started_in, panels);
    }

    void form_timers_follow_their_model() {
        Probe p;
        p.host.show(p.form, false);
        FormTimers& timers = *p.host.timers_of(p.form);
        QCOMPARE(timers.running(), 0);
        p.form.timer().set_timer_enabled(true);
        QCOMPARE(timers.running(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(p.ticks() >= 2, 2000);
        p.form.timer().set_interval(0);
        QCOMPARE(timers.running(), 0);
        p.form.timer().set_interval(30);
        QCOMPARE(timers.running(), 1);
        p.form.timer().set_timer_enabled(false);
        QCOMPARE(timers.running(), 0);
    }

    // A box a tick asks for opens on the window thread once the tick is over,
    // over windows that show the whole tick, with the timers paused until it
    // is answered; then the ticks go on, and the windows follow them.
    void a_tick_shows_its_message_box_on_the_window_thread() {
        Probe p;
        p.host.show(p.form, false);
        const auto* label = p.host.window_of(p.form)->findChild<QLabel*>("Label1");
        QString beneath;
        bool on_window_thread = false;
        p.record.on_open = [&] {
            beneath = label->text();
            on_window_thread = QThread::currentThread() == qApp->thread();
        };
        p.form.on_tick = [&p] {
            if (p.form.ticks > 1) {
                p.form.set_label("Tick " + std::to_string(p.form.ticks));
                return;
            }
            p.form.set_label("Tick 1");
            p.host.message_box(MessageIcon::exclamation, "Title", "From a tick");
            p.form.set_label("Tick 1 done");
        };
        p.host.run([&p] { p.form.timer().set_timer_enabled(true); });
        QTRY_COMPARE(p.record.messages.size(), std::size_t(1));
        QCOMPARE(p.record.messages[0].text, QString("From a tick"));
        QVERIFY(p.record.messages[0].timers_paused);
        QVERIFY(on_window_thread);
        QCOMPARE(beneath, QString("Tick 1 done"));
        QTRY_VERIFY_WITH_TIMEOUT(p.ticks() >= 3, 2000);
        QVERIFY(!p.host.timers_paused());
        // What later ticks change reaches the screen with no user action.
        QTRY_VERIFY_WITH_TIMEOUT(
            label->text().startsWith("Tick ") && label->text() != "Tick 1 done", 2000);
        p.host.run([&p] { p.form.timer().set_timer_enabled(false); });
    }

    void a_fault_in_a_handler_is_reported_not_fatal() {
        Probe p;
        p.host.show(p.form, false);
        p.click("Fault");
        QCOMPARE(p.record.messages.size(), std::size_t(1));
        QCOMPARE(p.record.messages[0].icon, MessageIcon::critical);
        QVERIFY(p.record.messages[0].text.contains("no such control"));
        QVERIFY(p.host.window_of(p.form)->isVisible());
    }

    void windows_closed_by_a_click_are_freed_after_it_and_the_end_quits() {
        test::GuiSession session;
        QPointer<QWidget> start = &session.window("deviceform");
        session.confirm("Option4");
        QCOMPARE(session.program.find("deviceform"), nullptr);
        QVERIFY(session.program.main_form() != nullptr);
        QVERIFY(session.window("Main").isVisible());
        test::flush_deleted();
        QVERIFY(!start);

        session.window("Main").close();
        QVERIFY(session.program.ended());
        QVERIFY(session.quit);
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::QtHostTest)
#include "qt_host_test.moc"
