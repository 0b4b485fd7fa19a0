#pragma once

#include <functional>
#include <string>
#include <utility>

#include "controls/observers.h"

namespace zuk {

// A control's place in its window's client area, in twips. An empty rectangle leaves the place
// to the view; the logic sets one where the window's behaviour computes the layout.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const TwipsRect&) const = default;
};

// What every control has besides its value: flags a view mirrors, and the observers to tell.
// Setters return early when nothing changes, so views are only told of real changes.
class Control {
  public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { assign(enabled_, on); }
    bool visible() const { return visible_; }
    void setVisible(bool on) { assign(visible_, on); }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string text) { assign(caption_, std::move(text)); }
    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(std::string text) { assign(tooltip_, std::move(text)); }
    const TwipsRect& geometry() const { return geometry_; }
    void setGeometry(TwipsRect r) { assign(geometry_, r); }

    [[nodiscard]] Subscription observe(std::function<void()> fn) {
        return observers_.add(std::move(fn));
    }

  protected:
    ~Control() = default;
    template <class T>
    bool assign(T& field, T value) {
        if (field == value) return false;
        field = std::move(value);
        changed();
        return true;
    }
    void changed() const { observers_.notify(); }

  private:
    bool enabled_ = true;
    bool visible_ = true;
    std::string caption_;
    std::string tooltip_;
    TwipsRect geometry_;
    Observers<> observers_;
};

using Handler = std::function<void()>;

// Modifier keys held during a mouse press.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool onlyCtrl() const { return ctrl && !shift && !alt; }
};

inline void run(const Handler& h) {
    if (h) h();
}

}  // namespace zuk
