#include "player/program.h"

#include "player/menu_commands.h"
#include "player/startup.h"
#include "playlist/folda_set.h"
#include "playlist/list_commands.h"
#include "remote/remote_commands.h"

namespace zuk {

Program::Program(Platform platform_, Folders folders_)
    : platform(platform_), folders(std::move(folders_)) {
    WireShutdown(*this);
    WireMenuCommands(*this);
    WireListCommands(*this);
    WireRemoteCommands(*this);
    WireFoldaSet(*this);
}

}  // namespace zuk
