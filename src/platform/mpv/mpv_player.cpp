#include "platform/mpv/mpv_player.h"

#include "platform/qt/twips.h"

namespace zuk {

MpvPlayer::MpvPlayer(QWidget* parent) : QWidget(parent) {
    // Left edge fixed at 1560 twips; first size 3585 x 3795 twips; hidden until a file opens.
    setGeometry(TwipsToPixels(1560), 0, TwipsToPixels(3585), TwipsToPixels(3795));
    QWidget::setVisible(false);
}

double MpvPlayer::top() const {
    return PixelsToTwips(y());
}
void MpvPlayer::setTop(double twips) {
    move(x(), TwipsToPixels(twips));
}
double MpvPlayer::width() const {
    return PixelsToTwips(QWidget::width());
}
void MpvPlayer::setWidth(double twips) {
    resize(TwipsToPixels(twips), QWidget::height());
}
double MpvPlayer::height() const {
    return PixelsToTwips(QWidget::height());
}
void MpvPlayer::setHeight(double twips) {
    resize(QWidget::width(), TwipsToPixels(twips));
}

}  // namespace zuk
