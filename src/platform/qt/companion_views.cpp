#include "platform/qt/companion_views.h"

#include "platform/qt/qt_platform.h"
#include "playlist/folda_set_window.h"

namespace zuk {

FoldaSetWindowView::FoldaSetWindowView(FoldaSetWindow& model, QtWindowOps& windowOps)
    : ModelWindow(model) {
    windowOps.registerWindow(model, this);
}

}  // namespace zuk
