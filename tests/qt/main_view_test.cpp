// The start window and the main panel on screen: a click on a real widget
// leaves the program exactly where the same click through the models leaves
// it, and every model change shows in the widgets.
#include "core/windows/main_form.h"
#include "qt/binder/binder.h"
#include "qt/widgets/switch_button.h"
#include "qt_test_support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace zqf::qt {

namespace {

const char* const devices[][2] = {
    {"Option1", "ZQF7310"}, {"Option2", "ZQF7320"}, {"Option4", "ZQF7340"},
    {"Option5", "ZQF7350"}, {"Option3", "ZQF7610"}, {"Option6", "ZQF7620"},
};

// Controls a view deliberately leaves out: the second heading of the register
// table says what the first one says.
const std::vector<std::string> left_out_of_main{"Label35"};

void compare_programs(test::GuiSession& gui, test::ModelSession& model, const char* form) {
    const Form* shown = gui.program.find(form);
    const Form* reference = model.program.find(form);
    QVERIFY(shown != nullptr && reference != nullptr);
    const auto a = test::snapshot(*shown);
    const auto b = test::snapshot(*reference);
    for (const auto& [key, value] : b) {
        const auto it = a.find(key);
        QVERIFY2(
            it != a.end() && it->second == value,
            (key + ": on screen " + (it == a.end() ? "-" : it->second) + ", in the model " + value)
                .c_str());
    }
    QVERIFY(gui.program.state().device_name == model.program.state().device_name);
    QVERIFY(test::latched_words(gui.board) == test::latched_words(model.board));
}

// Each bound widget is hidden exactly when its control is.
void check_visibility(const test::GuiSession& gui, const char* form_name) {
    const Form& form = *gui.program.find(form_name);
    const Binder& binder = *gui.host.binder_of(form);
    for (const auto& control : form.controls()) {
        auto* widget = qobject_cast<QWidget*>(binder.target_of(control->name()));
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            QCOMPARE(menu->menuAction()->isVisible(), control->visible());
            continue;
        }
        if (widget == nullptr) {
            continue;
        }
        QVERIFY2(widget->isHidden() == !control->visible(), control->name().c_str());
        QVERIFY2(widget->isEnabled() == control->enabled() || !widget->parentWidget()->isEnabled(),
                 control->name().c_str());
    }
}

} // namespace

class MainViewTest : public QObject {
    Q_OBJECT

  private slots:
    void every_control_has_its_widget() {
        test::GuiSession gui;
        QVERIFY(gui.host.binder_of(*gui.program.find("deviceform"))->unshown_controls().empty());
        gui.click("deviceform", "Command2");
        QVERIFY(
            gui.host.binder_of(*gui.program.find("comms_help_form"))->unshown_controls().empty());
        gui.confirm("Option1");
        QCOMPARE(gui.host.binder_of(*gui.program.main_form())->unshown_controls(),
                 left_out_of_main);
        gui.window("Main").findChild<QAction*>("mnuProg")->trigger();
        QVERIFY(gui.host.binder_of(*gui.program.find("helpform"))->unshown_controls().empty());
        gui.click("helpform", "Command1");
        gui.window("Main").findChild<QAction*>("aboutmenu")->trigger();
        QVERIFY(gui.host.binder_of(*gui.program.find("aboutform"))->unshown_controls().empty());
    }

    void picking_a_device_and_confirming_matches_the_model_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("device");
        for (const auto& [option, device] : devices) {
            QTest::newRow(device) << QString(option) << QString(device);
        }
    }
    void picking_a_device_and_confirming_matches_the_model() {
        QFETCH(QString, option);
        QFETCH(QString, device);
        const QByteArray name = option.toLatin1();
        test::GuiSession gui;
        test::ModelSession model;
        gui.confirm(name.constData());
        model.confirm(name.constData());
        compare_programs(gui, model, "Main");
        QCOMPARE(gui.program.find("deviceform"), nullptr);
        check_visibility(gui, "Main");

        QWidget& main = gui.window("Main");
        QCOMPARE(main.findChild<QLabel*>("Device")->text(), device);
        const bool dual = device.startsWith("ZQF76");
        QCOMPARE(!main.findChild<QGroupBox*>("Frame4")->isHidden(), dual);
        QCOMPARE(!main.findChild<QGroupBox*>("Frame5")->isHidden(), dual);
        QVERIFY(main.findChild<QGroupBox*>("Frame2")->isVisible());
        // Lit indicators are the model's; each shows the caption of its state.
        for (const char* name : {"Toggle19", "Toggle22", "Toggle26", "Toggle30"}) {
            const auto& toggle = gui.program.main_form()->get<ToggleSwitch>(name);
            const auto* indicator = main.findChild<SwitchButton*>(name);
            QCOMPARE(indicator->state(), toggle.state());
            QCOMPARE(indicator->text().toStdString(), toggle.caption());
            QVERIFY(indicator->is_indicator());
        }
        // The panel fits a 1280 x 800 screen with room for the window's title bar.
        const QSize size = main.sizeHint();
        QVERIFY2(size.width() <= 1280 && size.height() <= 760,
                 qPrintable(QString("%1 x %2").arg(size.width()).arg(size.height())));
    }

    void an_indicator_click_writes_as_in_the_model() {
        test::GuiSession gui;
        test::ModelSession model;
        gui.confirm("Option4");
        model.confirm("Option4");
        gui.click("Main", "Toggle19");
        model.click("Main", "Toggle19");
        compare_programs(gui, model, "Main");
        QWidget& main = gui.window("Main");
        auto* indicator = main.findChild<SwitchButton*>("Toggle19");
        QVERIFY(!indicator->state());
        QCOMPARE(indicator->text(), QString("R0 Updated"));
        // The word just written shows in the register table, in fixed pitch.
        auto* bits = main.findChild<QLabel*>("Label17");
        QCOMPARE(bits->text().toStdString(),
                 gui.program.main_form()->get<CaptionControl>("Label17").caption());
        QVERIFY(!bits->text().isEmpty());
        QVERIFY(bits->isVisible());
        QVERIFY(QFontInfo(bits->font()).fixedPitch());

        gui.click("Main", "Toggle26");
        model.click("Main", "Toggle26");
        compare_programs(gui, model, "Main");
    }

    void a_list_choice_matches_the_model() {
        test::GuiSession gui;
        test::ModelSession model;
        gui.confirm("Option6");
        model.confirm("Option6");
        auto* prescaler = gui.window("Main").findChild<QComboBox*>("Combo4");
        prescaler->setFocus();
        QTest::keyClick(prescaler, Qt::Key_Down);
        QTest::keyClick(prescaler, Qt::Key_Down);
        auto& list = model.program.main_form()->get<ListBox>("Combo4");
        list.user_choose(0);
        list.user_choose(1);
        compare_programs(gui, model, "Main");
        QCOMPARE(prescaler->currentText(), QString("8/9"));
        QCOMPARE(gui.window("Main").findChild<QLabel*>("prescale")->text(), QString("8/9"));
    }

    void a_noise_mode_matches_the_model() {
        test::GuiSession gui;
        test::ModelSession model;
        gui.confirm("Option1");
        model.confirm("Option1");
        gui.click("Main", "Option1");
        model.click("Main", "Option1");
        compare_programs(gui, model, "Main");
        QWidget& main = gui.window("Main");
        QVERIFY(main.findChild<QAbstractButton*>("Option1")->isChecked());
        QVERIFY(!main.findChild<QAbstractButton*>("Option3")->isChecked());
        // The modes not chosen are shown in the muted shadow colour.
        const QColor chosen =
            main.findChild<QWidget*>("Option1")->palette().color(QPalette::WindowText);
        const QColor other =
            main.findChild<QWidget*>("Option3")->palette().color(QPalette::WindowText);
        QVERIFY(chosen != other);
    }

    void the_hidden_test_lists_appear_on_the_double_click() {
        test::GuiSession gui;
        gui.confirm("Option1");
        QWidget& main = gui.window("Main");
        QVERIFY(main.findChild<QComboBox*>("Combo2")->isHidden());
        QTest::mouseDClick(&gui.widget("Main", "Picture1"), Qt::LeftButton);
        QVERIFY(!main.findChild<QComboBox*>("Combo2")->isHidden());
        QVERIFY(!main.findChild<QComboBox*>("Combo3")->isHidden());
        check_visibility(gui, "Main");
    }

    void register_rows_show_only_where_the_device_has_them() {
        test::GuiSession gui;
        gui.confirm("Option2");
        QWidget& main = gui.window("Main");
        QVERIFY(main.findChild<QLabel*>("Label15")->isVisible());  // R3
        QVERIFY(!main.findChild<QLabel*>("Label33")->isVisible()); // R4
        // The whole row goes, its name with it.
        QVERIFY(!main.findChild<QLabel*>("Label33")->parentWidget()->isVisible());
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::MainViewTest)
#include "main_view_test.moc"
