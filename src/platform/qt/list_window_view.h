#pragma once

#include <unordered_map>

#include "platform/qt/model_window.h"

class QMenu;

namespace zuk {

class ListWindow;
class MenuItem;
class QtWindowOps;

// The playlist window: its menu bar, the list of entries, and the bar at the bottom with the
// four menu buttons and the transport. Files dropped anywhere on it go to the model.
class ListWindowView : public ModelWindow {
    Q_OBJECT
  public:
    ListWindowView(ListWindow& model, QtWindowOps& windowOps);

  private:
    void buildBar(ListWindow& model, QWidget* client);
    std::unordered_map<const MenuItem*, QMenu*> menus_;
};

}  // namespace zuk
