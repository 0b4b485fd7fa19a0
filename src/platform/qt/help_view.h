#pragma once

#include "platform/qt/model_window.h"

namespace zuk {

class HelpWindow;
class QtWindowOps;

// The About window: the program's picture, name, version, and the web and mail links.
class HelpWindowView : public ModelWindow {
    Q_OBJECT
  public:
    HelpWindowView(HelpWindow& model, QtWindowOps& windowOps);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    HelpWindow& help_;
};

}  // namespace zuk
