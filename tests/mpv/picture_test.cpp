// The picture in the main window, drawn by the engine through the control's OpenGL surface:
// under a real (or virtual X) display, the test pattern's colours must appear where the
// control says its picture is, at its own size and at double size. The screenshots are kept
// in the build folder (screenshots/) for a look.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <cstdlib>
#include <memory>
#include <set>

#include "platform/mpv/mpv_player.h"
#include "platform/qt/main_window_view.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/twips.h"
#include "player/program.h"
#include "player_harness.h"

namespace zuk::test {
namespace {

// The distinct pure colours (of black, white and the six of the test pattern's bars) that
// cover at least a twentieth of rect.
std::set<QRgb> BarColours(const QImage& shot, const QRect& rect) {
    std::map<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); y += 2)
        for (int x = rect.left(); x <= rect.right(); x += 2) {
            const QColor c = shot.pixelColor(x, y);
            auto level = [](int v) { return v > 200 ? 255 : v < 40 ? 0 : -1; };
            const int r = level(c.red()), g = level(c.green()), b = level(c.blue());
            if (r >= 0 && g >= 0 && b >= 0) ++counts[qRgb(r, g, b)];
        }
    std::set<QRgb> colours;
    const int enough = rect.width() * rect.height() / 4 / 20;
    for (const auto& [colour, count] : counts)
        if (count >= enough && colour != qRgb(0, 0, 0) && colour != qRgb(255, 255, 255))
            colours.insert(colour);
    return colours;
}

TEST(Picture, TheMainWindowShowsTheVideoAtItsOwnAndDoubleSize) {
    EnsureApplication();
    if (QGuiApplication::platformName() != "xcb" && QGuiApplication::platformName() != "wayland")
        GTEST_SKIP() << "needs a display, not " << QGuiApplication::platformName().toStdString();
    Media media;
    TempDir folder;
    QtDialogs dialogs;
    QtShell shell;
    QtWindowOps windowOps;
    // As in zuk's main(): the player outlives the program, which still talks to it at its end.
    auto player =
        std::make_unique<MpvPlayer>(nullptr, PictureOutput::Window, EngineOptions{{"ao", "null"}});
    Program program({*player, dialogs, shell, windowOps}, {folder.path(), folder.path()});
    MainWindowView view(program.Main, player.get(), windowOps);
    const struct Unparent {
        QWidget* widget;
        ~Unparent() { widget->setParent(nullptr); }
    } unparent{player.get()};
    program.Main.show();
    view.move(0, 0);          // the doubled picture stays on the screen
    player->setPlayCount(0);  // keeps playing
    player->setFileName(media.clip(2));
    ASSERT_TRUE(WaitFor([&] { return player->playState() == PlayState::Playing; }));

    const std::string shots =
        std::string(std::getenv("ZUK_BINARY_DIR") ? std::getenv("ZUK_BINARY_DIR") : ".") +
        "/screenshots/";
    QDir().mkpath(QString::fromStdString(shots));
    // The main window's own handling sizes the picture and fits the window around it.
    for (const auto& [option, scale, name] :
         {std::tuple{&program.Main.Option1, 1, "own"}, {&program.Main.Option2, 2, "double"}}) {
        option->setValue(true);
        WaitFor([] { return false; }, 800);  // a few frames at this size
        const QRect picture(player->mapToGlobal(QPoint(0, 0)), QSize(320 * scale, 240 * scale));
        EXPECT_EQ(TwipsToPixels(player->width()), 320 * scale) << name;
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        shot.save(QString::fromStdString(shots + "main_window_" + name + ".png"));
        // The test pattern's bars: at least five of its six colours.
        EXPECT_GE(BarColours(shot, picture.intersected(shot.rect())).size(), 5u) << name;
    }
}

}  // namespace
}  // namespace zuk::test
