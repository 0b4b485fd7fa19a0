#include "playlist/adding_entries.h"

#include <sys/stat.h>

#include "playback/open_commands.h"
#include "player/program.h"
#include "playlist/folder_walk.h"
#include "playlist/list_commands.h"
#include "playlist/list_file.h"

namespace zuk {

std::string AddFileFilter() {
    // The open dialog's filter without its entry of WAV files.
    std::string filter = kMainOpenFilter;
    const std::string wav = "WAV ファイル (*.wav)|*.wav|";
    filter.erase(filter.find(wav), wav.size());
    return filter;
}

namespace {

enum class Kind { None, File, Folder };

Kind KindOf(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return Kind::None;
    return S_ISDIR(st.st_mode) ? Kind::Folder : Kind::File;
}

// Appends the matching files of each folder in order; stops when the list is full.
void AddFolderFiles(Program& p, const std::vector<FolderListing>& folders) {
    const FilePatterns patterns(FolderAddPattern(p.FoldaSet.List1.texts()));
    ListBox& list = p.List.List1;
    for (const FolderListing& folder : folders) {
        if (list.full()) return;
        std::vector<std::string> entries;
        for (const std::string& name : folder.files)
            if (patterns.matches(name)) entries.push_back(JoinFolder(folder.path, name));
        list.addMany(std::move(entries));
    }
}

void AddFolder(Program& p, const std::string& folder, bool withSubFolders) {
    AddFolderFiles(
        p, withSubFolders ? SubFolda(p, folder) : std::vector<FolderListing>{ListFolder(folder)});
}

// Appends a list file's entries or the path itself; false when a list file cannot be read.
bool AddFile(Program& p, const std::string& path) {
    if (IsListFileNameExact(path)) return AppendListFile(p.List.List1, path);
    p.List.List1.add(path);
    return true;
}

void AddFileCommand(Program& p) {
    const auto chosen = p.platform.dialogs.openFile({AddFileFilter(), 2, {}});
    if (!chosen || !AddFile(p, *chosen)) return;
    p.Main.Check1.setValue(1);
    ListRefresh(p);
}

void AddFolderCommand(Program& p) {
    const auto folder = p.platform.dialogs.browseFolder("ﾌｫﾙﾀﾞを選択してください");
    if (!folder) return;
    AddFolder(p, std::string(StripNul(*folder)), p.FoldaSet.Check1.value() != 0);
    ListRefresh(p);
}

}  // namespace

std::vector<FolderListing> SubFolda(Program& p, const std::string& folder) {
    std::vector<FolderListing> folders = WalkFolders(folder, ListBox::kMaxEntries);
    std::vector<std::string> paths;
    for (const FolderListing& f : folders) paths.push_back(f.path);
    p.List.List2.clear();
    p.List.List2.addMany(std::move(paths));
    return folders;
}

void DDadd(Program& p, const std::string& path) {
    switch (KindOf(path)) {
        case Kind::File:
            AddFile(p, path);
            p.Main.Check1.setValue(1);
            break;
        case Kind::Folder:
            AddFolder(p, path, p.FoldaSet.Check1.value() == 1);
            break;
        case Kind::None:
            break;  // neither file nor folder: nothing to add
    }
    ListRefresh(p);
}

void WireAddingEntries(Program& p) {
    p.List.mnuAddFile.onClick = [&p] { AddFileCommand(p); };
    p.List.mnuAddFolda.onClick = [&p] { AddFolderCommand(p); };
    p.List.mnuAddFoldaSet.onClick = [&p] { p.FoldaSet.show(); };
    p.List.onDrop = [&p](const std::vector<std::string>& paths) {
        for (const std::string& path : paths) DDadd(p, path);
    };
}

}  // namespace zuk
