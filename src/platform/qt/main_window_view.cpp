#include "platform/qt/main_window_view.h"

#include <QGroupBox>
#include <QMenuBar>

#include "platform/qt/bindings.h"
#include "platform/qt/qt_platform.h"
#include "player/main_window.h"

namespace zuk {

MainWindowView::MainWindowView(MainWindow& model, QWidget* player, QtWindowOps& windowOps)
    : ModelWindow(model) {
    windowOps.registerWindow(model, this);
    centreWhenFirstShown();
    BuildMenuBar(menuBar(), model.menuBar);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    for (Frame* frame : {&model.Frame1, &model.Frame2, &model.Frame3, &model.Frame4, &model.Frame5})
        Bind(new QGroupBox(client), *frame);
    player->setParent(client);
    acceptFileDrops(player);
}

}  // namespace zuk
