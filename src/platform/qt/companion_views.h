#pragma once

#include "platform/qt/model_window.h"

namespace zuk {

class FoldaSetWindow;
class ListWindow;
class QtWindowOps;

// The playlist window.
class ListWindowView : public ModelWindow {
    Q_OBJECT
  public:
    ListWindowView(ListWindow& model, QtWindowOps& windowOps);
};

// The folder-add settings window.
class FoldaSetWindowView : public ModelWindow {
    Q_OBJECT
  public:
    FoldaSetWindowView(FoldaSetWindow& model, QtWindowOps& windowOps);
};

}  // namespace zuk
