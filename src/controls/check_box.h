#pragma once

#include "controls/control.h"

namespace zuk {

// A check box with the value 0 (unticked) or 1 (ticked). Changing the value from code runs the
// click handler exactly as the user's click does, but only when the value actually changes.
class CheckBox : public Control {
  public:
    explicit CheckBox(std::string caption = {}, int value = 0) : value_(value) {
        setCaption(std::move(caption));
    }
    Handler onClick;

    int value() const { return value_; }
    bool ticked() const { return value_ != 0; }
    void setValue(int v) {
        if (assign(value_, v == 0 ? 0 : 1)) run(onClick);
    }
    void toggle() { setValue(ticked() ? 0 : 1); }
    // Runs the click handling once more, whatever the value (callers that tick the box and
    // then need its handling even when it was ticked already).
    void fireClick() const { run(onClick); }

  private:
    int value_;
};

}  // namespace zuk
