#pragma once

#include <cstdint>
#include <deque>

#include "controls/observers.h"
#include "controls/timer.h"

namespace zuk::test {

// Drives timer models on virtual time: advance() fires every due tick in time order (timers
// due at the same moment in the order they were added). Enabling a timer or changing its
// interval restarts its count from the current virtual time, as a real timer does.
class VirtualClock {
  public:
    void add(Timer& timer);
    // Moves time forward by ms, firing ticks on the way.
    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }

  private:
    struct Entry {
        Timer* timer;
        bool enabled;
        int interval;
        std::int64_t due;
        Subscription watch;
    };
    void resync(Entry& e);
    std::deque<Entry> entries_;  // deque: watchers hold pointers to entries
    std::int64_t now_ = 0;
};

}  // namespace zuk::test
