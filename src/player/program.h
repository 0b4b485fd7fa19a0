#pragma once

#include <random>
#include <string>

#include "about/help_window.h"
#include "platform/dialogs.h"
#include "platform/player_control.h"
#include "platform/shell.h"
#include "platform/window_ops.h"
#include "playback/player_events.h"
#include "player/main_window.h"
#include "playlist/folda_set_window.h"
#include "playlist/list_window.h"
#include "remote/remote_window.h"

namespace zuk {

// What the program needs of the platform, handed in by the composition root.
struct Platform {
    PlayerControl& player;
    Dialogs& dialogs;
    Shell& shell;
    WindowOps& windowOps;
};

// Where the program's files are. Both folders end with "/".
struct Folders {
    std::string app;       // AppFolder: the executable's folder
    std::string settings;  // "zuk.ini" and "zuk.zul"
};

// The running player: its four windows and the few values they share. The constructor wires
// every control's handler to the procedures of its concern; nothing else happens until
// Startup.
class Program {
  public:
    Program(Platform platform, Folders folders);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    Platform platform;
    Folders folders;

    MainWindow Main;
    ListWindow List;
    RemoteWindow Remote;
    FoldaSetWindow FoldaSet;
    HelpWindow Help;

    std::string WrappedFile;                      // the path last played through the wrapper
    std::string AsxFolder;                        // the wrapper files' folder, ending with "/"
    std::mt19937 Random{std::random_device{}()};  // random list order; seeded once

  private:
    PlayerEventHandler playerEvents_{*this};
};

}  // namespace zuk
