// The start window: which device, which link, then OK.
#include "core/state/devices.h"
#include "qt/views/view_kit.h"
#include "qt/views/views.h"
#include "qt/widgets/option_widget.h"

#include "core/windows/names/device_controls.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

namespace zqf::qt {

ViewParts build_device_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    QLabel* welcome = make_label(body, device_controls::Label1);
    make_heading(*welcome);
    column->addWidget(welcome);

    auto* choice = new QHBoxLayout;
    QGroupBox* devices = make_frame(body, device_controls::Frame1);
    auto* device_list = new QVBoxLayout(devices);
    // By part number, so each family's parts stand together.
    std::vector<DeviceEntry> by_part(device_catalogue.begin(), device_catalogue.end());
    std::ranges::stable_sort(by_part, {}, &DeviceEntry::caption);
    for (const DeviceEntry& device : by_part) {
        device_list->addWidget(make_option(devices, device.option));
    }
    device_list->addStretch();
    choice->addWidget(devices);
    choice->addWidget(make_picture(body, device_controls::Picture1,
                                   QStringLiteral(":/zqfeval/loop.svg"), 320, 170),
                      0, Qt::AlignCenter);
    column->addLayout(choice);

    QGroupBox* link = make_frame(body, device_controls::Frame2);
    auto* link_row = new QHBoxLayout(link);
    link_row->addWidget(make_option(link, device_controls::option_par));
    link_row->addWidget(make_option(link, device_controls::option_usb));
    link_row->addStretch();
    column->addWidget(link);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(make_button(body, device_controls::Command2));
    QPushButton* ok = make_button(body, device_controls::Command1);
    ok->setMinimumWidth(96);
    // Return confirms, whichever option has the focus.
    ok->setDefault(true);
    buttons->addWidget(ok);
    column->addLayout(buttons);
    return {body, nullptr, {}};
}

} // namespace zqf::qt
