// The control's picture sizes, its layout and full screen.
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/mpv/clip_panel.h"
#include "platform/mpv/mpv_player.h"
#include "platform/mpv/transport_bar.h"
#include "platform/mpv/video_surface.h"

namespace zuk {
namespace {

constexpr int kMinWidth = 320;  // pixels: room enough for the transport bar

}  // namespace

int MpvPlayer::displaySize() const {
    return fullScreen() ? DisplaySize::FullScreen : displaySize_;
}

void MpvPlayer::setDisplaySize(int size) {
    switch (size) {
        case DisplaySize::Own:
        case DisplaySize::Double:
        case DisplaySize::Fit:
            displaySize_ = size;
            if (fullScreen()) leaveFullScreen();
            sizeToPicture();
            break;
        case DisplaySize::FullScreen:
            // Only a picture goes full screen; sound alone keeps its bar.
            if (videoWidth_ > 0 && !fullScreen()) enterFullScreen();
            break;
        default:
            break;
    }
}

void MpvPlayer::setShowClipInfo(bool on) {
    showClip_ = on;
    clipPanel_->setVisible(on);
    sizeToPicture();
}

// With the picture's own or double size the control takes the size the picture needs plus
// its clip panel (when shown) and transport bar; the window reads that size afterwards. With
// Fit the window sets the size and the picture fills what the bars leave.
void MpvPlayer::sizeToPicture() {
    if (displaySize_ == DisplaySize::Fit || fileName_.empty()) {
        layoutParts();
        return;
    }
    const int scale = displaySize_ == DisplaySize::Double ? 2 : 1;
    const int clip = showClip_ ? ClipPanel::kHeight : 0;
    resize(std::max(kMinWidth, videoWidth_ * scale),
           videoHeight_ * scale + clip + TransportBar::kHeight);
    layoutParts();
}

void MpvPlayer::layoutParts() {
    const int clip = showClip_ ? ClipPanel::kHeight : 0;
    const int barTop = std::max(0, QWidget::height() - TransportBar::kHeight);
    bar_->setGeometry(0, barTop, QWidget::width(), TransportBar::kHeight);
    clipPanel_->setGeometry(0, std::max(0, barTop - clip), QWidget::width(), clip);
    if (fullScreen()) return;
    picture_->setGeometry(0, 0, QWidget::width(), std::max(0, barTop - clip));
    // Sound alone shows the bar only.
    picture_->setVisible(videoWidth_ > 0);
}

void MpvPlayer::resizeEvent(QResizeEvent*) {
    layoutParts();
}

void MpvPlayer::enterFullScreen() {
    fullScreen_ = new QWidget(nullptr, Qt::Window);
    fullScreen_->setAutoFillBackground(true);
    fullScreen_->setPalette(QPalette(Qt::black));
    auto* layout = new QVBoxLayout(fullScreen_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture_);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), fullScreen_);
    connect(escape, &QShortcut::activated, this, [this] { leaveFullScreen(); });
    // The screen's size as well, for desktops without a window manager to apply the state.
    fullScreen_->setGeometry(screen()->geometry());
    fullScreen_->showFullScreen();
    picture_->show();
    if (surface_) surface_->requestActivate();
}

void MpvPlayer::leaveFullScreen() {
    if (!fullScreen_) return;
    picture_->setParent(this);
    // Called from the full-screen window's own key and mouse handling: it goes once that
    // returns.
    fullScreen_->deleteLater();
    fullScreen_ = nullptr;
    layoutParts();
    picture_->lower();
    activateWindow();
}

}  // namespace zuk
