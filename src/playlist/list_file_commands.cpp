#include "playlist/list_file_commands.h"

#include "player/program.h"
#include "playlist/list_commands.h"
#include "playlist/list_file.h"

namespace zuk {

const char* const kLoadListFilter =
    "すべてのファイル (*.*)|*.*|"
    "Tavrin MediaPlayer リストファイル (*.zul)|*.zul|"
    "MPEG Audio リストファイル (*.m3u)|*.m3u";
const char* const kSaveListFilter = "Tavrin MediaPlayer リストファイル (*.zul)|*.zul";

namespace {

void NewList(Program& p) {
    p.List.List1.clear();
    ListRefresh(p);
}

// Replaces the list by a chosen file. A file that cannot be read leaves the list empty, and
// list play and the count display as they were.
void LoadList(Program& p) {
    const auto chosen = p.platform.dialogs.openFile({kLoadListFilter, 2, {}});
    if (!chosen) return;
    ListBox& list = p.List.List1;
    list.clear();
    if (!AppendListFile(list, *chosen)) return;
    p.Main.Check1.setValue(1);
    ListRefresh(p);
}

// Writes the list to a chosen file (through a temporary file and a rename, so a failed save
// leaves the old file whole). A name typed without an extension is used as typed.
void SaveList(Program& p) {
    const auto chosen = p.platform.dialogs.saveFile({kSaveListFilter, 1, {}});
    if (!chosen) return;
    WriteListFile(*chosen, p.List.List1.texts());
}

}  // namespace

void WireListFileCommands(Program& p) {
    ListWindow& w = p.List;
    w.mnuListNew.onClick = [&p] { NewList(p); };
    w.mnuListLoad.onClick = [&p] { LoadList(p); };
    w.mnuListSave.onClick = [&p] { SaveList(p); };
}

}  // namespace zuk
