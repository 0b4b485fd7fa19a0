#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"

namespace zuk {

enum class WindowState { Normal, Minimized, Maximized };

// A top-level window model. Sizes are outer sizes in twips (title bar, menu bar and borders
// included); the view converts. The caption is Control::caption(); visible() is shown/hidden.
class Window : public Control {
  public:
    explicit Window(std::string caption, int widthTwips = 0, int heightTwips = 0)
        : width_(widthTwips), height_(heightTwips) {
        setCaption(std::move(caption));
        setVisible(false);
    }

    // Asked before the window closes (close box, code). Return false to cancel the close.
    std::function<bool()> onCloseRequest;
    // Runs after the window has really closed.
    Handler onClosed;
    // Runs after every change of the window's size, by the user or from code.
    Handler onResize;
    // Files dropped on the window or one of its controls, in the order of the drop data.
    std::function<void(const std::vector<std::string>&)> onDrop;

    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    // The close box or a close from code. Gives true when the window really closed.
    bool requestClose() {
        if (closed_) return true;
        if (onCloseRequest && !onCloseRequest()) return false;
        closed_ = true;
        setVisible(false);
        changed();
        run(onClosed);
        return true;
    }
    bool closed() const { return closed_; }
    // A window that is made anew each time it is shown starts over from its closed state.
    void reopen() { assign(closed_, false); }

    int width() const { return width_; }
    int height() const { return height_; }
    void setWidth(int twips) { resize(twips, height_); }
    void setHeight(int twips) { resize(width_, twips); }
    // The view reports a size the user gave the window; runs the resize handling.
    void resize(int widthTwips, int heightTwips) {
        const bool w = assign(width_, widthTwips);
        const bool h = assign(height_, heightTwips);
        if (w || h) run(onResize);
    }

    WindowState state() const { return state_; }
    void setState(WindowState s) { assign(state_, s); }

  private:
    int width_;
    int height_;
    WindowState state_ = WindowState::Normal;
    bool closed_ = false;
};

}  // namespace zuk
