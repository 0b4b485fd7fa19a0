#pragma once

#include "platform/qt/model_window.h"

namespace zuk {

class MainWindow;
class QtWindowOps;

// The main window: its menu bar, the column of control groups on the left and the player
// control (a widget of its own) to their right.
class MainWindowView : public ModelWindow {
    Q_OBJECT
  public:
    MainWindowView(MainWindow& model, QWidget* player, QtWindowOps& windowOps);
};

}  // namespace zuk
