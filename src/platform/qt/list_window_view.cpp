#include "platform/qt/list_window_view.h"

#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>

#include "platform/qt/bindings.h"
#include "platform/qt/list_box_view.h"
#include "platform/qt/qt_platform.h"
#include "playlist/list_window.h"

namespace zuk {

ListWindowView::ListWindowView(ListWindow& model, QtWindowOps& windowOps) : ModelWindow(model) {
    windowOps.registerWindow(model, this);
    for (MenuItem* menu : model.menuBar)
        if (QMenu* qmenu = AddTopMenu(menuBar(), *menu)) menus_[menu] = qmenu;
    Keep(this, model.observePopups([this](MenuItem& menu) {
        if (const auto it = menus_.find(&menu); it != menus_.end())
            it->second->popup(QCursor::pos());
    }));

    auto* client = new QWidget(this);
    setCentralWidget(client);
    new ListBoxView(model.List1, client);
    buildBar(model, client);

    // Shortcuts come before the focused control, as the window's key handling must.
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    connect(deleteKey, &QShortcut::activated, this, [&model] { model.deleteKey(); });
    acceptFileDrops();
}

void ListWindowView::buildBar(ListWindow& model, QWidget* client) {
    auto* frame = new QGroupBox(client);
    Bind(frame, model.Frame1);
    for (Button* b : {&model.Command1, &model.Command2, &model.Command3, &model.Command4}) {
        auto* button = new QPushButton(frame);
        Bind(button, *b);
        BindMouseDown(button, *b);
        // The caption's access key is the menu bar's, which opens the same menu.
        button->setShortcut(QKeySequence());
    }
    for (Button* b : {&model.Command5, &model.Command6, &model.Command7})
        Bind(new QPushButton(frame), *b);
    Bind(new QSlider(Qt::Horizontal, frame), model.Slider1);
    auto* time = new QLabel(frame);
    time->setAlignment(Qt::AlignCenter);
    Bind(time, model.Label1);
}

}  // namespace zuk
