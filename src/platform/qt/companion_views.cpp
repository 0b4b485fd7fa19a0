#include "platform/qt/companion_views.h"

#include <QMenuBar>

#include "platform/qt/bindings.h"
#include "platform/qt/qt_platform.h"
#include "playlist/folda_set_window.h"
#include "playlist/list_window.h"

namespace zuk {

ListWindowView::ListWindowView(ListWindow& model, QtWindowOps& windowOps) : ModelWindow(model) {
    windowOps.registerWindow(model, this);
    BuildMenuBar(menuBar(), model.menuBar);
}

FoldaSetWindowView::FoldaSetWindowView(FoldaSetWindow& model, QtWindowOps& windowOps)
    : ModelWindow(model) {
    windowOps.registerWindow(model, this);
}

}  // namespace zuk
