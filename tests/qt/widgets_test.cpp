// Our own widgets: the two-state switch, the rotary selector and the packed grid.
#include "qt/widgets/packed_grid_layout.h"
#include "qt/widgets/rotary_knob.h"
#include "qt/widgets/switch_button.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace zqf::qt {

class WidgetsTest : public QObject {
    Q_OBJECT

  private:
    static QColor fill_of(SwitchButton& button) {
        const QImage image = button.grab().toImage();
        // Left of the caption, inside the border.
        return image.pixelColor(image.width() / 12 + 4, image.height() / 2);
    }

  private slots:
    // The binder tests show a switch's captions and state both ways.
    void switch_click_only_asks() {
        SwitchButton button;
        button.set_captions("Off", "On");
        button.resize(button.sizeHint());
        const QSignalSpy clicks(&button, &QAbstractButton::clicked);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!button.state());
        QCOMPARE(button.text(), QString("Off"));
    }

    void switch_keeps_its_size_when_it_flips() {
        SwitchButton button;
        button.set_captions("IF", "All IF Registers Updated");
        const QSize off = button.sizeHint();
        button.set_state(true);
        QCOMPARE(button.sizeHint(), off);
        QVERIFY(off.width() > button.fontMetrics().horizontalAdvance("All IF Registers Updated"));
    }

    void indicator_is_bright_blue_only_while_on() {
        SwitchButton indicator;
        indicator.set_captions("R1 Updated", "Update R1");
        indicator.set_indicator(true);
        indicator.resize(160, 30);
        QVERIFY(fill_of(indicator) != SwitchButton::indicator_colour());
        indicator.set_state(true);
        QCOMPARE(fill_of(indicator), SwitchButton::indicator_colour());

        SwitchButton setting;
        setting.set_captions("CP 3 State Off", "CP 3 State On");
        setting.resize(160, 30);
        setting.set_state(true);
        QVERIFY(fill_of(setting) != SwitchButton::indicator_colour());
    }

    void selector_has_a_labelled_stop_per_position() {
        RotaryKnob knob;
        knob.set_labels({"1", "2", "4", "8", "16"});
        knob.resize(knob.sizeHint());
        QCOMPARE(knob.positions(), 5);
        for (int i = 0; i < knob.positions(); ++i) {
            QCOMPARE(knob.position_at(knob.label_rect(i).center()), i);
            QCOMPARE(knob.position_at(knob.stop_point(i)), i);
            QVERIFY(QRectF(knob.rect()).contains(knob.label_rect(i)));
            for (int j = 0; j < i; ++j) {
                QVERIFY(!knob.label_rect(i).intersects(knob.label_rect(j)));
            }
        }
        // Position 0 at the lower left, the last at the lower right, like a dial.
        const QPointF centre = QRectF(knob.rect()).center();
        QVERIFY(knob.stop_point(0).x() < centre.x() && knob.stop_point(0).y() > centre.y());
        QVERIFY(knob.stop_point(4).x() > centre.x() && knob.stop_point(4).y() > centre.y());
        QCOMPARE(knob.position_at(centre), -1);
    }

    void selector_asks_for_a_position_and_waits_for_its_owner() {
        RotaryKnob knob;
        knob.set_labels({"Off", "Low", "Mid", "High"});
        knob.resize(knob.sizeHint());
        QSignalSpy turned(&knob, &RotaryKnob::turned);
        QTest::mouseClick(&knob, Qt::LeftButton, {}, knob.label_rect(2).center().toPoint());
        QCOMPARE(turned.count(), 1);
        QCOMPARE(turned.takeFirst().at(0).toInt(), 2);
        QCOMPARE(knob.position(), 0);

        knob.set_position(3);
        QTest::keyClick(&knob, Qt::Key_Right); // already at the last stop
        QTest::keyClick(&knob, Qt::Key_Left);
        QTest::keyClick(&knob, Qt::Key_Home);
        QCOMPARE(turned.count(), 2);
        QCOMPARE(turned.at(0).at(0).toInt(), 2);
        QCOMPARE(turned.at(1).at(0).toInt(), 0);
    }

    void selector_spreads_many_stops_and_follows_a_drag() {
        RotaryKnob knob;
        QStringList labels;
        for (int k = 1; k <= 16; ++k) {
            labels << QString::number(0.3125 * k, 'f', 4);
        }
        knob.set_labels(labels);
        knob.resize(knob.sizeHint());
        for (int i = 0; i < knob.positions(); ++i) {
            QVERIFY(QRectF(knob.rect()).contains(knob.label_rect(i)));
            for (int j = 0; j < i; ++j) {
                QVERIFY(!knob.label_rect(i).intersects(knob.label_rect(j)));
            }
        }
        // Grab the knob face on the way to stop 0 and drag round to the last stop.
        QSignalSpy turned(&knob, &RotaryKnob::turned);
        const QPointF centre = QRectF(knob.rect()).center();
        const auto halfway = [&](int stop) {
            return centre + (knob.stop_point(stop) - centre) / 2;
        };
        QTest::mousePress(&knob, Qt::LeftButton, {}, halfway(0).toPoint());
        QMouseEvent drag(QEvent::MouseMove, halfway(15), knob.mapToGlobal(halfway(15)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&knob, &drag);
        QTest::mouseRelease(&knob, Qt::LeftButton, {}, halfway(15).toPoint());
        QCOMPARE(turned.count(), 1);
        QCOMPARE(turned.at(0).at(0).toInt(), 15);
    }

    void packed_grid_leaves_no_hole_for_a_hidden_item() {
        QWidget panel;
        auto* grid = new PackedGridLayout(2, &panel);
        QWidget* items[3];
        for (QWidget*& item : items) {
            item = new QWidget(&panel);
            item->setMinimumSize(50, 20);
            grid->addWidget(item);
        }
        items[0]->hide();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(items[1]->geometry().topLeft(), grid->contentsRect().topLeft());
        QCOMPARE(items[2]->geometry().top(), items[1]->geometry().top());
        QVERIFY(items[2]->geometry().left() > items[1]->geometry().right());
    }
};

} // namespace zqf::qt

QTEST_MAIN(zqf::qt::WidgetsTest)
#include "widgets_test.moc"
