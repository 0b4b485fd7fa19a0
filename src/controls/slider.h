#pragma once

#include <algorithm>
#include <cstdint>

#include "controls/control.h"

namespace zuk {

struct SliderRange {
    std::int32_t min = 0;
    std::int32_t max = 10;
    std::int32_t smallStep = 1;
    std::int32_t largeStep = 5;
    std::int32_t tickFrequency = 1;
};

// A slider of 32-bit values. Values set from code are clamped to the range, and a change runs
// the change handler just as dragging the slider does.
class Slider : public Control {
  public:
    using Range = SliderRange;

    explicit Slider(Range range = {}, std::int32_t value = 0)
        : range_(range), value_(clamp(value)) {}
    Handler onChange;
    // Mouse button pressed on and released from the slider (the seek bar uses them).
    Handler onMouseDown;
    Handler onMouseUp;

    std::int32_t value() const { return value_; }
    void setValue(std::int32_t v) {
        if (assign(value_, clamp(v))) run(onChange);
    }
    const Range& range() const { return range_; }
    void setMax(std::int32_t max) {
        range_.max = max;
        range_.min = std::min(range_.min, max);
        changed();
        setValue(value_);
    }
    void mouseDown() const { run(onMouseDown); }
    void mouseUp() const { run(onMouseUp); }

  private:
    std::int32_t clamp(std::int32_t v) const { return std::clamp(v, range_.min, range_.max); }
    Range range_;
    std::int32_t value_;
};

}  // namespace zuk
