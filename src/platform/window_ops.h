#pragma once

namespace zuk {

class Window;

// Window-system calls that are not a model's state.
class WindowOps {
  public:
    virtual ~WindowOps() = default;
    // flag 1 puts the window on top of all windows that are not topmost, 0 back to the normal
    // order; both also show it. Any other flag does nothing and gives 0.
    virtual int setTopMost(Window& window, int flag) = 0;
    // Whether the Shift key is down right now (read from the window system, not from events).
    virtual bool shiftKeyDown() const = 0;
};

}  // namespace zuk
