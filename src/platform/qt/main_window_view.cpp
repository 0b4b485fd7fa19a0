#include "platform/qt/main_window_view.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "platform/qt/bindings.h"
#include "platform/qt/placement.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/twips.h"
#include "player/main_window.h"

namespace zuk {
namespace {

void BuildPictureSize(QGroupBox* box, MainWindow& m) {
    Place<QRadioButton>(box, m.Option1, {45, 240, 825, 240});
    Place<QCheckBox>(box, m.Check6, {885, 240, 570, 240});
    Place<QRadioButton>(box, m.Option2, {45, 495, 1395, 240});
    Place<QCheckBox>(box, m.Check3, {45, 735, 1395, 240});
}

void BuildPlayCount(QGroupBox* box, MainWindow& m) {
    Place<QRadioButton>(box, m.Option3, {60, 240, 1350, 240});
    PlaceTextBox(box, m.Text1, {300, 495, 420, 240});
    Place<QLabel>(box, m.Label1, {780, 495, 300, 240});
    Place<QRadioButton>(box, m.Option4, {60, 735, 1350, 240});
}

void BuildSpeed(QGroupBox* box, MainWindow& m) {
    PlaceSlider(box, m.Slider1, {60, 220, 1335, 330});
    Place<QLabel>(box, m.Label3, {60, 600, 360, 240})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place<QLabel>(box, m.Label2, {450, 600, 450, 240});
    Place<QPushButton>(box, m.Command1, {930, 570, 465, 300});
}

void BuildSound(QGroupBox* box, MainWindow& m) {
    Place<QLabel>(box, m.Label5, {60, 60, 450, 240});
    Place<QLabel>(box, m.Label7, {900, 60, 495, 240})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PlaceSlider(box, m.Slider3, {60, 300, 1335, 300});
    Place<QLabel>(box, m.Label6, {60, 600, 750, 240})->setCursor(Qt::PointingHandCursor);
    Place<QLabel>(box, m.Label8, {900, 600, 495, 240})
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PlaceSlider(box, m.Slider2, {60, 840, 1335, 270});
    Place<QCheckBox>(box, m.Check4, {60, 1095, 1335, 225});
}

void BuildListPlay(QGroupBox* box, MainWindow& m) {
    Place<QCheckBox>(box, m.Check1, {45, 90, 1095, 255});
    Place<QPushButton>(box, m.Command2, {1140, 60, 270, 285});
    Place<QPushButton>(box, m.Command4, {45, 390, 285, 270});
    PlaceTextBox(box, m.Text2, {345, 390, 420, 270});
    Place<QLabel>(box, m.Label4, {780, 390, 330, 270});
    Place<QPushButton>(box, m.Command5, {1125, 390, 285, 270});
    Place<QCheckBox>(box, m.Check2, {45, 660, 840, 225});
    Place<QCheckBox>(box, m.Check5, {900, 660, 555, 225});
}

}  // namespace

MainWindowView::MainWindowView(MainWindow& model, QWidget* player, QtWindowOps& windowOps)
    : ModelWindow(model) {
    windowOps.registerWindow(model, this);
    centreWhenFirstShown();
    BuildMenuBar(menuBar(), model.menuBar);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    // The column of groups was laid out for a small font and compact boxes.
    QFont font = client->font();
    font.setPointSizeF(8);
    client->setFont(font);
    client->setStyleSheet(
        "QRadioButton, QCheckBox { spacing: 2px; }"
        "QRadioButton::indicator, QCheckBox::indicator { width: 11px; height: 11px; }");
    const auto group = [client](Frame& frame) {
        auto* box = new QGroupBox(client);
        Bind(box, frame);
        return box;
    };
    BuildPictureSize(group(model.Frame1), model);
    BuildPlayCount(group(model.Frame2), model);
    BuildSpeed(group(model.Frame3), model);
    BuildSound(group(model.Frame5), model);
    BuildListPlay(group(model.Frame4), model);
    player->setParent(client);
    acceptFileDrops(player);
}

}  // namespace zuk
