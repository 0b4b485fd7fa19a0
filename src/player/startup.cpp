#include "player/startup.h"

#include "platform/files.h"
#include "playback/open_commands.h"
#include "playback/sound_speed.h"
#include "player/menu_commands.h"
#include "player/program.h"
#include "player/settings_file.h"
#include "playlist/list_commands.h"
#include "playlist/list_file.h"

namespace zuk {

const char* const kDefaultFolderAddExtensions[19] = {
    "wav", "aif", "aiff", "snd", "au", "avi", "mov", "mpg", "mpe", "mpeg",
    "dat", "mp3", "mp2",  "ra",  "rm", "rv",  "ram", "wma", "asf"};

namespace {

std::string IniPath(const Program& p) {
    return p.folders.settings + "zuk.ini";
}
std::string ZulPath(const Program& p) {
    return p.folders.settings + "zuk.zul";
}

void LoadDefaultPlaylist(Program& p) {
    if (!FileExists(ZulPath(p))) return;
    auto read = ReadListFile(ZulPath(p), ListBox::kMaxEntries);
    p.List.List1.addMany(std::move(read.entries));
}

void Shutdown(Program& p) {
    // A settings file that cannot be written keeps the default playlist as it is too.
    if (ReadOnly(IniPath(p)) && SaveSettings(p, IniPath(p)) && !p.platform.windowOps.shiftKeyDown())
        WriteListFile(ZulPath(p), p.List.List1.texts());
    p.Main.ShuttingDown = true;
    p.Remote.ShuttingDown = true;
    p.FoldaSet.ShuttingDown = true;
    p.List.requestClose();
    p.Remote.requestClose();
    p.FoldaSet.requestClose();
}

}  // namespace

void Startup(Program& p, const std::string& commandLine) {
    MainWindow& m = p.Main;
    m.mnuSetMute.setChecked(false);
    m.mnuSetClip.setChecked(false);
    m.ShuttingDown = false;
    p.Remote.ShuttingDown = false;
    m.TopMostPending = true;
    p.FoldaSet.ShuttingDown = false;
    for (MenuItem* item : {&m.mnuFileListshow, &m.mnuSetTemae, &m.mnuSetListshow, &m.mnuSetRemote})
        item->setChecked(false);

    LoadDefaultPlaylist(p);
    ListRefresh(p);

    p.FoldaSet.List1.clear();
    if (FileExists(IniPath(p))) LoadSettings(p, IniPath(p));
    SpeedHandling(p);
    p.platform.player.setShowClipInfo(m.mnuSetClip.checked());
    if (p.FoldaSet.List1.empty())
        for (const char* ext : kDefaultFolderAddExtensions) p.FoldaSet.List1.add(ext);

    if (!commandLine.empty()) CommandOpen(p, commandLine);

    p.platform.player.setTop(0);
    m.setHeight(660);
    m.setWidth(2760);
    mnuFileListshow1(p);
    if (m.mnuSetRemote.checked()) p.Remote.show();
}

void WireShutdown(Program& p) {
    // The main window's unload never cancels the close.
    p.Main.onCloseRequest = [&p] {
        Shutdown(p);
        return true;
    };
}

}  // namespace zuk
