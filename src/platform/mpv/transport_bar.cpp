#include "platform/mpv/transport_bar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "platform/player_control.h"

namespace zuk {
namespace {

constexpr int kSeekSteps = 10;  // seek bar units per second

QString Clock(double seconds) {
    const long total = std::isfinite(seconds) && seconds > 0 ? std::lround(std::floor(seconds)) : 0;
    return QStringLiteral("%1:%2").arg(total / 60).arg(total % 60, 2, 10, QLatin1Char('0'));
}

QToolButton* Button(QWidget* parent, QStyle::StandardPixmap icon, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TransportBar::TransportBar(QWidget* parent)
    : QWidget(parent),
      play_(Button(this, QStyle::SP_MediaPlay, QStringLiteral("再生"))),
      pause_(Button(this, QStyle::SP_MediaPause, QStringLiteral("一時停止"))),
      stop_(Button(this, QStyle::SP_MediaStop, QStringLiteral("停止"))),
      seek_(new QSlider(Qt::Horizontal, this)),
      time_(new QLabel(Clock(0) + QStringLiteral(" / ") + Clock(0), this)),
      status_(new QLabel(this)) {
    setFixedHeight(kHeight);
    seek_->setFocusPolicy(Qt::NoFocus);
    seek_->setRange(0, 0);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(2, 0, 4, 0);
    bar->setSpacing(0);
    for (QWidget* w : {static_cast<QWidget*>(play_), static_cast<QWidget*>(pause_),
                       static_cast<QWidget*>(stop_)})
        bar->addWidget(w);
    bar->addWidget(seek_, 1);
    bar->addSpacing(4);
    bar->addWidget(time_);
    status_->setTextFormat(Qt::PlainText);
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setContentsMargins(4, 0, 4, 0);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(bar);
    column->addWidget(status_);

    connect(play_, &QToolButton::clicked, this, [this] {
        if (onPlay) onPlay();
    });
    connect(pause_, &QToolButton::clicked, this, [this] {
        if (onPause) onPause();
    });
    connect(stop_, &QToolButton::clicked, this, [this] {
        if (onStop) onStop();
    });
    // A drag seeks once, where it is let go; a click on the groove or a key seeks at once.
    connect(seek_, &QSlider::sliderReleased, this, [this] {
        if (onSeek) onSeek(seek_->value() / double(kSeekSteps));
    });
    connect(seek_, &QSlider::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderMove || !onSeek) return;
        onSeek(seek_->sliderPosition() / double(kSeekSteps));
    });
}

void TransportBar::showPosition(double position, double duration) {
    if (!std::isfinite(duration) || duration < 0) duration = 0;
    if (!std::isfinite(position) || position < 0) position = 0;
    if (duration != shownDuration_) {
        shownDuration_ = duration;
        seek_->setRange(0, static_cast<int>(std::lround(duration * kSeekSteps)));
        shownSecond_ = -1;
    }
    if (!seek_->isSliderDown())
        seek_->setValue(static_cast<int>(std::lround(position * kSeekSteps)));
    const int second = static_cast<int>(std::floor(position));
    if (second != shownSecond_) {
        shownSecond_ = second;
        time_->setText(Clock(position) + QStringLiteral(" / ") + Clock(duration));
    }
}

void TransportBar::showState(int playState, const QString& status) {
    const bool open = playState != PlayState::Closed;
    play_->setEnabled(open && playState != PlayState::Playing);
    pause_->setEnabled(playState == PlayState::Playing);
    stop_->setEnabled(open && playState != PlayState::Stopped);
    seek_->setEnabled(open);
    status_->setText(status);
}

}  // namespace zuk
