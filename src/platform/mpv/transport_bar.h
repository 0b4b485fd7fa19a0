#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QSlider;
class QToolButton;

namespace zuk {

// The control's own transport bar (play, pause, stop, a seek bar, the time) and, under it,
// its status line.
class TransportBar : public QWidget {
    Q_OBJECT
  public:
    explicit TransportBar(QWidget* parent = nullptr);

    std::function<void()> onPlay;
    std::function<void()> onPause;
    std::function<void()> onStop;
    std::function<void(double)> onSeek;  // seconds

    // Both in seconds; the seek bar is left alone while the user drags it.
    void showPosition(double position, double duration);
    // Play state (PlayState values) enables the buttons; status is the text of the status line.
    void showState(int playState, const QString& status);

    static constexpr int kHeight = 52;  // pixels: bar and status line

  private:
    QToolButton* play_;
    QToolButton* pause_;
    QToolButton* stop_;
    QSlider* seek_;
    QLabel* time_;
    QLabel* status_;
    double shownDuration_ = -1;
    int shownSecond_ = -1;
};

}  // namespace zuk
