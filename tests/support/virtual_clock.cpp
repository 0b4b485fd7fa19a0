#include "support/virtual_clock.h"

namespace zuk::test {

void VirtualClock::add(Timer& timer) {
    Entry& e = entries_.emplace_back(
        Entry{&timer, timer.enabled(), timer.interval(), now_ + timer.interval(), {}});
    e.watch = timer.observe([this, &e] { resync(e); });
}

void VirtualClock::resync(Entry& e) {
    const bool enabled = e.timer->enabled();
    const int interval = e.timer->interval();
    if (enabled && (!e.enabled || interval != e.interval)) e.due = now_ + interval;
    e.enabled = enabled;
    e.interval = interval;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (;;) {
        Entry* next = nullptr;
        for (Entry& e : entries_)
            if (e.enabled && e.interval > 0 && e.due <= target && (!next || e.due < next->due))
                next = &e;
        if (!next) break;
        now_ = next->due;
        next->due = now_ + next->interval;
        next->timer->tick();
    }
    now_ = target;
}

}  // namespace zuk::test
