#pragma once

#include "platform/qt/model_window.h"

namespace zuk {

class QtWindowOps;
class RemoteWindow;

// The remote window: the eight skip buttons over the section controls.
class RemoteWindowView : public ModelWindow {
    Q_OBJECT
  public:
    RemoteWindowView(RemoteWindow& model, QtWindowOps& windowOps);
};

}  // namespace zuk
