#pragma once

#include "controls/control.h"

namespace zuk {

// A command button; also used for labels and frames that react to clicks.
class Button : public Control {
  public:
    explicit Button(std::string caption = {}) { setCaption(std::move(caption)); }
    Handler onClick;
    void click() const { run(onClick); }

    // A mouse button pressed on the control, with the modifier keys held. The handler gives
    // true when it has taken the press, which then does not go on to a click.
    std::function<bool(KeyModifiers)> onMouseDown;
    bool mouseDown(KeyModifiers modifiers) const { return onMouseDown && onMouseDown(modifiers); }
};

// Labels and frames carry only a caption and flags; a clickable label sets onClick.
using Label = Button;
using Frame = Button;

}  // namespace zuk
