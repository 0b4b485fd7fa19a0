#pragma once

#include <QObject>
#include <QTimer>

namespace zuk {

class Timer;

// Runs a Timer model on a QTimer: enabling it or changing its interval restarts the count.
class TimerDriver : public QObject {
  public:
    TimerDriver(Timer& model, QObject* parent);

  private:
    void apply();
    Timer& model_;
    QTimer timer_;
};

}  // namespace zuk
