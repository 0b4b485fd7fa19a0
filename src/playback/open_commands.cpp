#include "playback/open_commands.h"

#include "playback/open_media.h"
#include "player/program.h"
#include "playlist/adding_entries.h"
#include "playlist/list_commands.h"
#include "playlist/list_file.h"

namespace zuk {

const char* const kMainOpenFilter =
    "すべてのファイル (*.*)|*.*|"
    "TavrinMediaPlayer ファイル "
    "|*.wav;*.aif;*.aiff;*.snd;*.au;*.avi;*.mov;*.mpg;*.mpe;*.mpeg;*.dat;*.mp3;*.mp2;*.m3u;*.ra;*."
    "rm;"
    "*.rv;*.ram;*.zul;*.wma;*.asf|"
    "Windows Media Audio ファイル (*.wma;*.asf)|*.wma;*.asf|"
    "WAV ファイル (*.wav)|*.wav|"
    "AIFF ファイル (*.aif;*.aiff;*.snd)|*.aif;*.aiff;*.snd|"
    "AU ファイル (*.au;*.snd)|*.au;*.snd|"
    "AVI ファイル (*.avi)|*.avi|"
    "MOV ファイル (*.mov)|*.mov|"
    "MPEG Video ファイル (*.mpg;*.mpe;*.mpeg;*.dat)|*.mpg;*.mpe;*.mpeg;*.dat|"
    "MPEG Audio ファイル (*.mp3;*.mp2;*.m3u)|*.mp3;*.mp2;*.m3u|"
    "Real ファイル (*.ra;*.rm;*.rv;*.ram)|*.ra;*.rm;*.rv;*.ram|"
    "Tavrin MediaPlayer リストファイル (*.zul)|*.zul";

namespace {

void TickListPlay(Program& p) {
    p.Main.Check1.setValue(1);
    p.Main.Check1.fireClick();
}

// The File menu's open command.
void OpenFileCommand(Program& p) {
    const auto chosen = p.platform.dialogs.openFile({kMainOpenFilter, 2, {}});
    if (!chosen) return;
    const std::string& file = *chosen;
    ListBox& list = p.List.List1;
    if (IsListFileNameAnyCase(file)) {
        if (!AppendListFile(list, file)) return;
        p.Main.Check1.setValue(1);
        ListRefresh(p);
        return;
    }
    const MessageResult answer = p.platform.dialogs.messageBox(
        {file + " をリストに追加しますか？", "ファイルを開く - Tavrin MediaPlayer",
         MessageButtons::YesNo, MessageIcon::Question, MessageResult::No});
    if (answer != MessageResult::Yes) {
        OpenMedia(p, file);
        return;
    }
    list.clear();
    list.add(file);
    TickListPlay(p);
    OpenMedia(p, file);
    ListRefresh(p);
}

}  // namespace

void CommandOpen(Program& p, const std::string& text) {
    ListBox& list = p.List.List1;
    list.clear();
    if (IsListFileNameAnyCase(text)) {
        AppendListFile(list, text);
    } else {
        list.add(text);
    }
    TickListPlay(p);
    OpenMedia(p, list.empty() ? std::string() : list.text(0));
    ListRefresh(p);
}

void DropOnMain(Program& p, const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    p.List.List1.clear();
    for (const std::string& path : paths) DDadd(p, path);
    OpenMedia(p, paths.front());
    ListRefresh(p);
}

void WireOpenCommands(Program& p) {
    p.Main.mnuFileOpen.onClick = [&p] { OpenFileCommand(p); };
    p.Main.onDrop = [&p](const std::vector<std::string>& paths) { DropOnMain(p, paths); };
}

}  // namespace zuk
