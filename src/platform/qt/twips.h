#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace zuk {

// Twips are 1/1440 inch; Qt works in logical pixels at the screen's logical DPI (96 DPI gives
// 15 twips a pixel).
inline double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}
inline int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / 1440.0));
}
inline double PixelsToTwips(int pixels) {
    return pixels * 1440.0 / LogicalDpi();
}

}  // namespace zuk
