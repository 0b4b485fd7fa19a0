// Plays one file in the player control, in a window of its own at the picture's own size, and
// quits when the control reports the end. bench/player_cpu.sh times it against the mpv player.
#include <QApplication>
#include <clocale>
#include <cstdio>

#include "platform/mpv/mpv_player.h"

namespace {

class QuitAtEnd final : public zuk::PlayerEvents {
  public:
    explicit QuitAtEnd(zuk::MpvPlayer& player) : player_(player) {}
    void openStateChange(int, int newState) override {
        if (newState == 0) QApplication::exit(1);  // could not open
    }
    void playStateChange(int, int newState) override {
        if (newState == zuk::PlayState::Stopped) QApplication::quit();
    }
    void positionChange(double, double) override {}
    void readyStateChange(int state) override {
        if (state != zuk::kReadyStateComplete) return;
        player_.setDisplaySize(zuk::DisplaySize::Own);
        player_.show();
    }

  private:
    zuk::MpvPlayer& player_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: player_play FILE\n");
        return 2;
    }
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    zuk::MpvPlayer player(nullptr, zuk::PictureOutput::Window, {{"ao", "null"}});
    QuitAtEnd events(player);
    player.setEventSink(&events);
    player.setFileName(argv[1]);
    return app.exec();
}
