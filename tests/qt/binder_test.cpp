// The binder: each model property shows in its widget (a frame later, or at
// once when flushed), each user action on a widget reaches its control, and
// nothing of a closed form is touched.
#include "qt/binder/binder.h"
#include "qt/binder/show_control.h"
#include "qt/views/view_kit.h"
#include "qt/widgets/click_relay.h"
#include "qt/widgets/option_widget.h"
#include "qt/widgets/rotary_knob.h"
#include "qt/widgets/switch_button.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace zqf::qt {

namespace {

struct NoWindows final : WindowManager {
    void close(Form&) override {}
};

// A form with one control of each kind, counting what its handlers see.
class BenchForm final : public Form {
  public:
    explicit BenchForm(WindowManager& windows) : Form(windows, "bench", "Bench") {
        label("Readout", "1750.00000MHz").on_click = [this] { ++readout_clicks; };
        label("Plain", "Modulus:");
        button("Go", "&Go").on_click = [this] { ++go_clicks; };
        frame("Section", "RF Section");
        menu("mnuFile", "&File").on_click = [this] { ++menu_opens; };
        menu("mnuExit", "E&xit").on_click = [this] { ++exits; };
        picture("Picture1").on_dblclick = [this] { ++picture_dblclicks; };
        add<TextBox>("Entry", "10").on_change = [this] { ++changes; };
        auto& list = add<ListBox>("Choice", "Pick one");
        list.set_items({"4/5", "8/9"});
        list.on_choose = [this] { ++choices; };
        add<OptionButton>("OptA", "Lowest Spur Mode", "noise").select();
        add<OptionButton>("OptB", "Lowest Noise Mode", "noise");
        add<ToggleSwitch>("Sw", "CP 3 State Off", "CP 3 State On").on_click = [this] {
            ++switch_clicks;
        };
        auto& knob = add<RotarySelector>("Knob", 3);
        knob.set_label(0, "x1");
        knob.set_label(1, "x2");
        knob.set_label(2, "x4");
        knob.on_change = [this] { ++turns; };
    }
    template <typename C> C& at(const char* name) { return get<C>(name); }

    int readout_clicks = 0, go_clicks = 0, menu_opens = 0, exits = 0, picture_dblclicks = 0;
    int changes = 0, choices = 0, switch_clicks = 0, turns = 0;
};

struct CountingRunner final : ActionRunner {
    void run(const std::function<void()>& action) override {
        ++runs;
        action();
    }
    int runs = 0;
};

} // namespace

class BinderTest : public QObject {
    Q_OBJECT

    NoWindows windows_;
    CountingRunner runner_;
    std::unique_ptr<BenchForm> form_;
    std::unique_ptr<QWidget> window_;
    Binder* binder_ = nullptr;
    QWidget* follower_ = nullptr;

    template <typename W> W& find(const char* name) {
        auto* widget = window_->findChild<W*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return *widget;
    }

  private slots:
    void init() {
        runner_.runs = 0;
        form_ = std::make_unique<BenchForm>(windows_);
        window_ = std::make_unique<QWidget>();
        auto* column = new QVBoxLayout(window_.get());
        auto* bar = new QMenuBar(window_.get());
        column->setMenuBar(bar);
        QMenu* file = bar->addMenu(QString());
        file->setObjectName("mnuFile");
        file->addAction(QString())->setObjectName("mnuExit");
        QWidget* parent = window_.get();
        column->addWidget(make_label(parent, "Readout"));
        column->addWidget(make_label(parent, "Plain"));
        column->addWidget(make_button(parent, "Go"));
        column->addWidget(make_frame(parent, "Section"));
        column->addWidget(make_picture(parent, "Picture1", ":/zqfeval/icon.svg", 32, 32));
        column->addWidget(make_text_box(parent, "Entry"));
        column->addWidget(make_list(parent, "Choice"));
        column->addWidget(make_option(parent, "OptA"));
        column->addWidget(make_option(parent, "OptB"));
        column->addWidget(make_switch(parent, "Sw"));
        column->addWidget(make_selector(parent, "Knob"));
        follower_ = new QWidget(parent);
        column->addWidget(follower_);
        binder_ = new Binder(*form_, *window_, runner_);
        binder_->follow_visible(*follower_, "Sw");
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        form_.reset();
    }

    void captions_titles_and_menus_show_the_model() {
        QCOMPARE(find<QLabel>("Readout").text(), QString("1750.00000MHz"));
        QCOMPARE(find<QPushButton>("Go").text(), QString("&Go"));
        QCOMPARE(find<QGroupBox>("Section").title(), QString("RF Section"));
        QCOMPARE(find<QMenu>("mnuFile").title(), QString("&File"));
        QCOMPARE(find<QAction>("mnuExit").text(), QString("E&xit"));
        QCOMPARE(window_->windowTitle(), QString("Bench"));

        form_->at<CaptionControl>("Readout").set_caption("1751.00000MHz");
        form_->at<CaptionControl>("mnuExit").set_caption("Quit");
        form_->set_caption("Bench 2");
        binder_->flush();
        QCOMPARE(find<QLabel>("Readout").text(), QString("1751.00000MHz"));
        QCOMPARE(find<QAction>("mnuExit").text(), QString("Quit"));
        QCOMPARE(window_->windowTitle(), QString("Bench 2"));
        QVERIFY(binder_->unshown_controls().empty());
    }

    void visibility_enabled_and_tooltips_show_the_model() {
        auto& go = find<QPushButton>("Go");
        form_->at<CaptionControl>("Go").set_visible(false);
        form_->at<CaptionControl>("Go").set_tooltip("Sends R0");
        binder_->flush();
        QVERIFY(go.isHidden());
        QCOMPARE(go.toolTip(), QString("Sends R0"));
        form_->at<CaptionControl>("Go").set_visible(true);
        form_->at<CaptionControl>("Go").set_enabled(false);
        binder_->flush();
        QVERIFY(!go.isHidden());
        QVERIFY(!go.isEnabled());

        form_->at<CaptionControl>("mnuExit").set_enabled(false);
        form_->at<CaptionControl>("mnuFile").set_visible(false);
        binder_->flush();
        QVERIFY(!find<QAction>("mnuExit").isEnabled());
        QVERIFY(!find<QMenu>("mnuFile").menuAction()->isVisible());

        // A row that goes with a control follows that control's visibility.
        form_->at<ToggleSwitch>("Sw").set_visible(false);
        binder_->flush();
        QVERIFY(follower_->isHidden());
        form_->at<ToggleSwitch>("Sw").set_visible(true);
        binder_->flush();
        QVERIFY(!follower_->isHidden());
    }

    void clicks_reach_the_handlers_where_the_model_has_them() {
        QTest::mouseClick(&find<QPushButton>("Go"), Qt::LeftButton);
        QTest::mouseClick(&find<QLabel>("Readout"), Qt::LeftButton);
        QTest::mouseDClick(&find<QWidget>("Picture1"), Qt::LeftButton);
        find<QAction>("mnuExit").trigger();
        // One handler run per action: views_test takes clicks on the real windows
        // against the models, which would not notice a handler run twice.
        QCOMPARE(form_->go_clicks, 1);
        QCOMPARE(form_->readout_clicks, 1);
        QCOMPARE(form_->picture_dblclicks, 1);
        QCOMPARE(form_->exits, 1);
        QCOMPARE(find<QLabel>("Plain").findChild<ClickRelay*>(), nullptr);
        // Clickable read-outs look it; plain captions do not.
        QCOMPARE(find<QLabel>("Readout").cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(find<QLabel>("Plain").cursor().shape() != Qt::PointingHandCursor);
        QVERIFY(find<QWidget>("Picture1").cursor().shape() != Qt::PointingHandCursor);

        form_->at<CaptionControl>("Go").set_enabled(false);
        binder_->flush();
        QTest::mouseClick(&find<QPushButton>("Go"), Qt::LeftButton);
        QCOMPARE(form_->go_clicks, 1);
    }

    void switch_state_goes_both_ways() {
        auto& sw = find<SwitchButton>("Sw");
        QTest::mouseClick(&sw, Qt::LeftButton);
        QVERIFY(form_->at<ToggleSwitch>("Sw").state());
        QCOMPARE(form_->switch_clicks, 1);
        QCOMPARE(sw.text(), QString("CP 3 State On"));
        QVERIFY(sw.isChecked());
        form_->at<ToggleSwitch>("Sw").set_captions("LDP = 3", "LDP = 5");
        binder_->flush();
        QCOMPARE(sw.text(), QString("LDP = 5"));
        form_->at<ToggleSwitch>("Sw").set_state(false);
        binder_->flush();
        QVERIFY(!sw.state());
        QCOMPARE(sw.text(), QString("LDP = 3"));
        QCOMPARE(form_->switch_clicks, 1); // shown, not clicked
    }

    void list_items_index_and_initial_text_go_both_ways() {
        auto& list = find<QComboBox>("Choice");
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(list.placeholderText(), QString("Pick one"));
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(form_->at<ListBox>("Choice").index(), 0);
        QCOMPARE(form_->choices, 1);

        form_->at<ListBox>("Choice").set_index(1);
        binder_->flush();
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(form_->choices, 2);
        form_->at<ListBox>("Choice").set_items({"8/9", "16/17", "32/33"});
        binder_->flush();
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.itemText(2), QString("32/33"));
        QCOMPARE(list.currentIndex(), form_->at<ListBox>("Choice").index());
        QCOMPARE(form_->choices, 2); // shown, not chosen
    }

    void the_wheel_leaves_an_unfocused_list_alone() {
        auto& list = find<QComboBox>("Choice");
        find<QPushButton>("Go").setFocus();
        QWheelEvent wheel(QPointF(5, 5), list.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&list, &wheel);
        QCOMPARE(form_->at<ListBox>("Choice").index(), -1);
        QCOMPARE(form_->choices, 0);
    }

    void typing_is_one_change_per_edit() {
        auto& entry = find<QLineEdit>("Entry");
        QCOMPARE(entry.text(), QString("10"));
        entry.setFocus();
        entry.end(false);
        QTest::keyClicks(&entry, "25");
        QCOMPARE(form_->at<TextBox>("Entry").text(), std::string("1025"));
        QCOMPARE(form_->changes, 2);
        QTest::keyClick(&entry, Qt::Key_Backspace);
        QCOMPARE(form_->at<TextBox>("Entry").text(), std::string("102"));
        QCOMPARE(form_->changes, 3);

        form_->at<TextBox>("Entry").set_text("7");
        binder_->flush();
        QCOMPARE(entry.text(), QString("7"));
        form_->at<TextBox>("Entry").set_background(std::array<int, 3>{255, 255, 0});
        binder_->flush();
        QCOMPARE(entry.palette().color(QPalette::Base), QColor(255, 255, 0));
        form_->at<TextBox>("Entry").set_background(std::nullopt);
        binder_->flush();
        QVERIFY(entry.palette().color(QPalette::Base) != QColor(255, 255, 0));
    }

    // views_test clicks the noise modes of the main panel against the models.
    void options_show_their_colour() {
        auto& a = find<OptionWidget>("OptA");
        auto& b = find<OptionWidget>("OptB");
        QVERIFY(a.isChecked());
        form_->at<OptionButton>("OptA").set_colour(CaptionColour::shadow);
        binder_->flush();
        const QColor shadow = a.palette().color(QPalette::WindowText);
        QCOMPARE(shadow, caption_colour(b.palette(), CaptionColour::shadow));
        QVERIFY(shadow != b.palette().color(QPalette::WindowText));
        QCOMPARE(b.palette().color(QPalette::WindowText),
                 caption_colour(b.palette(), CaptionColour::text));
    }

    void selector_turns_through_the_model() {
        auto& knob = find<RotaryKnob>("Knob");
        QCOMPARE(knob.labels(), QStringList({"x1", "x2", "x4"}));
        QTest::mouseClick(&knob, Qt::LeftButton, {}, knob.label_rect(2).center().toPoint());
        QCOMPARE(form_->at<RotarySelector>("Knob").position(), 2);
        QCOMPARE(knob.position(), 2);
        QCOMPARE(form_->turns, 1);
        form_->at<RotarySelector>("Knob").set_label(1, "x3");
        form_->at<RotarySelector>("Knob").set_position(1);
        binder_->flush();
        QCOMPARE(knob.labels().at(1), QString("x3"));
        QCOMPARE(knob.position(), 1);
    }

    // A timer may change read-outs a thousand times between two frames: the
    // widgets wait for the frame and then show the last value of each, and a
    // user action shows everything pending at once.
    void a_burst_of_changes_shows_its_last_values() {
        auto& readout = find<QLabel>("Readout");
        auto& entry = find<QLineEdit>("Entry");
        auto& knob = find<RotaryKnob>("Knob");
        for (int i = 1; i <= 1000; ++i) {
            form_->at<CaptionControl>("Readout").set_caption(std::to_string(i));
            form_->at<TextBox>("Entry").set_text(std::to_string(2 * i));
            form_->at<RotarySelector>("Knob").set_position(i % 3);
        }
        QVERIFY(binder_->pending());
        QCOMPARE(readout.text(), QString("1750.00000MHz"));
        QTRY_COMPARE(readout.text(), QString("1000"));
        QCOMPARE(entry.text(), QString("2000"));
        QCOMPARE(knob.position(), 1);
        QVERIFY(!binder_->pending());

        // A change after a frame shows in the next.
        form_->at<CaptionControl>("Readout").set_caption("1001");
        QTRY_COMPARE(readout.text(), QString("1001"));

        form_->at<CaptionControl>("Readout").set_caption("1002");
        form_->at<TextBox>("Entry").set_text("3");
        QTest::mouseClick(&find<QPushButton>("Go"), Qt::LeftButton);
        QCOMPARE(readout.text(), QString("1002"));
        QCOMPARE(entry.text(), QString("3"));
        QVERIFY(!binder_->pending());
    }

    void an_unbound_view_neither_shows_nor_acts() {
        binder_->unbind();
        form_->at<CaptionControl>("Readout").set_caption("changed");
        binder_->flush();
        QTest::mouseClick(&find<QPushButton>("Go"), Qt::LeftButton);
        QCOMPARE(find<QLabel>("Readout").text(), QString("1750.00000MHz"));
        QCOMPARE(form_->go_clicks, 0);
        // The form may now go before its widgets.
        form_.reset();
        QTest::mouseClick(&find<SwitchButton>("Sw"), Qt::LeftButton);
        QCOMPARE(runner_.runs, 0);
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::BinderTest)
#include "binder_test.moc"
