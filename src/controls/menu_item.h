#pragma once

#include <vector>

#include "controls/control.h"

namespace zuk {

// A menu item: caption with its access key ("&O"), an optional Ctrl shortcut letter, a check
// mark that changes nothing by itself, and sub-items for a top menu. A caption of "-" is a
// separator. onOpen runs before a top menu drops down.
class MenuItem : public Control {
  public:
    MenuItem(std::string name, std::string caption, char ctrlKey = 0, bool checkable = false)
        : name_(std::move(name)), ctrlKey_(ctrlKey), checkable_(checkable) {
        setCaption(std::move(caption));
    }
    Handler onClick;
    Handler onOpen;

    const std::string& name() const { return name_; }
    char ctrlKey() const { return ctrlKey_; }
    bool checkable() const { return checkable_; }
    bool separator() const { return caption() == "-"; }
    bool checked() const { return checked_; }
    void setChecked(bool on) { assign(checked_, on); }
    void click() const { run(onClick); }
    void open() const { run(onOpen); }

    std::vector<MenuItem*>& items() { return items_; }
    const std::vector<MenuItem*>& items() const { return items_; }

  private:
    std::string name_;
    char ctrlKey_;
    bool checkable_;
    bool checked_ = false;
    std::vector<MenuItem*> items_;
};

}  // namespace zuk
