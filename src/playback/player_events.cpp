#include "playback/player_events.h"

#include "playback/open_media.h"
#include "playback/play_sequencing.h"
#include "player/program.h"

namespace zuk {

void PlayerEventHandler::openStateChange(int, int) {
    MainWindow& m = p_.Main;
    for (Frame* f : {&m.Frame1, &m.Frame2, &m.Frame3, &m.Frame4, &m.Frame5}) f->setVisible(true);
    PlayerControl& player = p_.platform.player;
    player.setVisible(true);
    const std::string file = player.fileName();
    m.setCaption((IsWrapperFile(file, p_.AsxFolder) ? p_.WrappedFile : file) +
                 " - Tavrin MediaPlayer");
}

void PlayerEventHandler::playStateChange(int oldState, int newState) {
    PlayStateChange(p_, oldState, newState);
}

void PlayerEventHandler::positionChange(double, double) {
    PositionChange(p_);
}

void PlayerEventHandler::readyStateChange(int state) {
    ReadyStateChange(p_, state);
}

}  // namespace zuk
