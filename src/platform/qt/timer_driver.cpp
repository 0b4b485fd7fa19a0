#include "platform/qt/timer_driver.h"

#include "controls/timer.h"
#include "platform/qt/bindings.h"

namespace zuk {

TimerDriver::TimerDriver(Timer& model, QObject* parent) : QObject(parent), model_(model) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { model_.tick(); });
    Keep(this, model_.observe([this] { apply(); }));
    apply();
}

void TimerDriver::apply() {
    if (!model_.enabled()) {
        timer_.stop();
        return;
    }
    if (timer_.isActive() && timer_.interval() == model_.interval()) return;
    timer_.start(model_.interval());
}

}  // namespace zuk
