#include "player/program.h"

#include "about/about_commands.h"
#include "playback/list_play.h"
#include "playback/open_commands.h"
#include "playback/play_sequencing.h"
#include "playback/sound_speed.h"
#include "player/layout.h"
#include "player/menu_commands.h"
#include "player/startup.h"
#include "playlist/adding_entries.h"
#include "playlist/folda_set.h"
#include "playlist/list_commands.h"
#include "playlist/list_file_commands.h"
#include "playlist/transport_bar.h"
#include "remote/remote_commands.h"

namespace zuk {

Program::Program(Platform platform_, Folders folders_)
    : platform(platform_), folders(std::move(folders_)) {
    WireShutdown(*this);
    WireMenuCommands(*this);
    WireListCommands(*this);
    WireListFileCommands(*this);
    WireTransportBar(*this);
    WireRemoteCommands(*this);
    WireFoldaSet(*this);
    WireListPlay(*this);
    WireOpenCommands(*this);
    WirePlaySequencing(*this);
    WireSoundSpeed(*this);
    WireLayout(*this);
    WireAddingEntries(*this);
    WireAbout(*this);
    platform.player.setEventSink(&playerEvents_);
}

Program::~Program() {
    platform.player.setEventSink(nullptr);
}

}  // namespace zuk
