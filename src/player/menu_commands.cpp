#include "player/menu_commands.h"

#include "platform/files.h"
#include "player/layout.h"
#include "player/program.h"

namespace zuk {
namespace {

void SetListShown(Program& p, bool shown) {
    p.Main.mnuFileListshow.setChecked(shown);
    p.Main.mnuSetListshow.setChecked(shown);
}

// mnuFileListshow and mnuSetListshow: one state, two items.
void ToggleListFromMenu(Program& p, const MenuItem& item) {
    if (item.checked()) {
        SetListShown(p, false);
        p.List.hide();
        return;
    }
    SetListShown(p, true);
    p.Main.Timer1.setInterval(50);
    if (p.Main.mnuSetTemae.checked()) p.platform.windowOps.setTopMost(p.List, 1);
    p.List.show();
}

void ToggleListFromButton(Program& p) {
    const bool show = !p.Main.mnuFileListshow.checked();
    SetListShown(p, show);
    p.List.setVisible(show);
}

void ToggleRemote(Program& p) {
    MainWindow& m = p.Main;
    m.mnuSetRemote.setChecked(!m.mnuSetRemote.checked());
    if (!m.mnuSetRemote.checked()) {
        p.Remote.hide();
        return;
    }
    p.Remote.show();
    if (m.mnuSetTemae.checked()) p.platform.windowOps.setTopMost(p.Remote, 1);
}

std::string BindraPath(const Program& p) {
    return p.folders.app + "bindra";
}

}  // namespace

void mnuFileListshow1(Program& p) {
    if (p.Main.mnuSetListshow.checked()) {
        SetListShown(p, true);
        p.List.show();
        if (p.Main.mnuSetTemae.checked()) p.platform.windowOps.setTopMost(p.List, 1);
        return;
    }
    SetListShown(p, false);
    p.List.requestClose();
}

void WireMenuCommands(Program& p) {
    MainWindow& m = p.Main;
    PlayerControl& player = p.platform.player;
    m.mnuFileEnd.onClick = [&m] { m.requestClose(); };
    m.mnuFileListshow.onClick = [&p] { ToggleListFromMenu(p, p.Main.mnuFileListshow); };
    m.mnuSetListshow.onClick = [&p] { ToggleListFromMenu(p, p.Main.mnuSetListshow); };
    m.Command2.onClick = [&p] { ToggleListFromButton(p); };
    m.mnuSetRemote.onClick = [&p] { ToggleRemote(p); };
    m.mnuSet.onOpen = [&p] { p.Main.mnuSetBindra.setEnabled(FileExists(BindraPath(p))); };
    m.mnuSetBindra.onClick = [&p] { p.platform.shell.startProgram(BindraPath(p)); };
    m.mnuSetClip.onClick = [&p] {
        MainWindow& main = p.Main;
        main.mnuSetClip.setChecked(!main.mnuSetClip.checked());
        p.platform.player.setShowClipInfo(main.mnuSetClip.checked());
        // The panel changed the control's height.
        if (main.state() == WindowState::Normal) FitWindowToPicture(p);
    };
    m.mnuSetMute.onClick = [&m] { m.mnuSetMute.setChecked(!m.mnuSetMute.checked()); };
    m.mnuSetToukei.onClick = [&player] { player.showDialog(1); };
    m.mnuHelpMedia.onClick = [&player] { player.aboutBox(); };
}

}  // namespace zuk
