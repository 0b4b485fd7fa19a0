#pragma once

#include <vector>

#include "controls/control.h"

namespace zuk {

class OptionButton;

// The option buttons of one container: selecting one deselects the others.
class OptionGroup {
  public:
    void add(OptionButton& b) { members_.push_back(&b); }
    const std::vector<OptionButton*>& members() const { return members_; }

  private:
    std::vector<OptionButton*> members_;
};

// Selecting an option (by the user or from code) runs its click handler when it was not
// selected; deselecting runs nothing.
class OptionButton : public Control {
  public:
    OptionButton(OptionGroup& group, std::string caption, bool selected = false)
        : group_(group), selected_(selected) {
        setCaption(std::move(caption));
        group_.add(*this);
    }
    Handler onClick;

    bool value() const { return selected_; }
    void setValue(bool selected) {
        if (!selected) {
            assign(selected_, false);
            return;
        }
        if (selected_) return;
        for (OptionButton* other : group_.members())
            if (other != this) other->setValue(false);
        assign(selected_, true);
        run(onClick);
    }

  private:
    OptionGroup& group_;
    bool selected_;
};

}  // namespace zuk
