#pragma once

#include "controls/control.h"

namespace zuk {

// A command button; also used for labels and frames that react to clicks.
class Button : public Control {
  public:
    explicit Button(std::string caption = {}) { setCaption(std::move(caption)); }
    Handler onClick;
    void click() const { run(onClick); }
};

// Labels and frames carry only a caption and flags; a clickable label sets onClick.
using Label = Button;
using Frame = Button;

}  // namespace zuk
