#pragma once

#include <QRadioButton>

namespace zqf::qt {

// An option button that never selects itself: a click only emits clicked(),
// and whoever owns the selection checks it. Not exclusive on its own either,
// since the owner keeps the group.
class OptionWidget : public QRadioButton {
    Q_OBJECT

  public:
    explicit OptionWidget(QWidget* parent = nullptr) : QRadioButton(parent) {
        setAutoExclusive(false);
    }

  protected:
    void nextCheckState() override {}
};

} // namespace zqf::qt
