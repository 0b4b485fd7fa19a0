#pragma once

#include "controls/control.h"

namespace zuk {

// A timer model: interval in milliseconds and an enabled flag. Whoever runs the event loop
// (a QTimer binding, or a test's virtual clock) fires tick() when the interval has passed.
// Enabling a timer, or changing its interval, restarts its countdown: observers are told.
class Timer : public Control {
  public:
    Timer(int intervalMs, bool enabled) : interval_(intervalMs) { setEnabled(enabled); }
    Handler onTick;

    int interval() const { return interval_; }
    void setInterval(int ms) { assign(interval_, ms); }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    void tick() const { run(onTick); }

  private:
    int interval_;
};

}  // namespace zuk
