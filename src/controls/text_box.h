#pragma once

#include <functional>

#include "controls/control.h"

namespace zuk {

// A single-line text box. A change of text, typed or set from code, runs the change handler.
// keyFilter decides whether a typed character reaches the box (true: it does).
class TextBox : public Control {
  public:
    explicit TextBox(std::string text = {}, int maxLength = 0)
        : text_(std::move(text)), maxLength_(maxLength) {}
    Handler onChange;
    Handler onClick;
    Handler onEnter;  // the Enter key, which the box then does not get
    std::function<bool(char32_t)> keyFilter;

    const std::string& text() const { return text_; }
    void setText(std::string text) {
        if (assign(text_, std::move(text))) run(onChange);
    }
    int maxLength() const { return maxLength_; }
    bool acceptsKey(char32_t key) const { return !keyFilter || keyFilter(key); }
    void click() const { run(onClick); }
    void enter() const { run(onEnter); }

  private:
    std::string text_;
    int maxLength_;
};

}  // namespace zuk
