#pragma once

#include <QApplication>
#include <cstdlib>

namespace zuk::test {

// One QApplication on Qt's offscreen platform for the whole test program. It is never
// destroyed: tearing it down among the exit handlers crashes inside Qt.
inline QApplication& OffscreenApp() {
    static int argc = 1;
    static char name[] = "view_test";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The first widget of type W below root whose text is text.
template <class W>
W* FindByText(QWidget& root, const QString& text) {
    for (W* w : root.findChildren<W*>())
        if (w->text() == text) return w;
    return nullptr;
}

}  // namespace zuk::test
