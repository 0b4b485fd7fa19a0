#include "platform/qt/main_window_view.h"

#include <QGroupBox>
#include <QMenuBar>

#include "platform/qt/bindings.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/twips.h"
#include "player/main_window.h"

namespace zuk {
namespace {

struct FramePlace {
    Frame MainWindow::*frame;
    int left, top, width, height;  // twips
};

// The fixed column of groups on the left; none moves when the window is resized.
constexpr FramePlace kFrames[] = {
    {&MainWindow::Frame1, 0, 0, 1455, 1000},   {&MainWindow::Frame2, 0, 1000, 1455, 1000},
    {&MainWindow::Frame3, 0, 2000, 1455, 915}, {&MainWindow::Frame5, 0, 2900, 1455, 1335},
    {&MainWindow::Frame4, 0, 4200, 1455, 900},
};

QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace

MainWindowView::MainWindowView(MainWindow& model, QWidget* player, QtWindowOps& windowOps)
    : ModelWindow(model) {
    windowOps.registerWindow(model, this);
    centreWhenFirstShown();
    BuildMenuBar(menuBar(), model.menuBar);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    for (const FramePlace& place : kFrames) {
        auto* box = new QGroupBox(client);
        box->setGeometry(TwipsRect(place.left, place.top, place.width, place.height));
        Bind(box, model.*place.frame);
    }
    player->setParent(client);
    acceptFileDrops(player);
}

}  // namespace zuk
