#pragma once

#include "platform/qt/model_window.h"

namespace zuk {

class FoldaSetWindow;
class QtWindowOps;

// The folder-add settings window: the sub-folder option and the extension list with its add,
// edit and delete buttons.
class FoldaSetWindowView : public ModelWindow {
    Q_OBJECT
  public:
    FoldaSetWindowView(FoldaSetWindow& model, QtWindowOps& windowOps);
};

}  // namespace zuk
