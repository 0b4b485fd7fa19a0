#include "platform/qt/remote_window_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/placement.h"
#include "platform/qt/qt_platform.h"
#include "remote/remote_window.h"

namespace zuk {
RemoteWindowView::RemoteWindowView(RemoteWindow& model, QtWindowOps& windowOps)
    : ModelWindow(model) {
    windowOps.registerWindow(model, this);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    auto* skips = Place<QGroupBox>(client, model.Frame1, {60, 0, 2700, 1080});
    for (int i = 0; i < 8; ++i) {
        const TwipsRect place{90 + (i % 4) * 645, 270 + (i / 4) * 405, 615, 375};
        Button& skip = model.Command1[static_cast<std::size_t>(i)];
        BindMouseDown(Place<QPushButton>(skips, skip, place), skip);
    }
    auto* section = Place<QGroupBox>(client, model.Frame2, {60, 1110, 2700, 1395});
    Place<QCheckBox>(section, model.Check1, {120, 120, 2400, 270});
    Place<QPushButton>(section, model.Command2, {120, 420, 1215, 330});
    Place<QPushButton>(section, model.Command3, {1395, 420, 1215, 330});
    PlaceTextBox(section, model.Text1, {120, 780, 1215, 285});
    PlaceTextBox(section, model.Text2, {1395, 780, 1215, 285});
    Place<QCheckBox>(section, model.Check2, {120, 1080, 1440, 270});
    Place<QPushButton>(section, model.Command4, {1620, 1050, 990, 300});
}

}  // namespace zuk
