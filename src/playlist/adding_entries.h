#pragma once

#include <string>
#include <vector>

#include "playlist/folder_walk.h"

namespace zuk {

class Program;

// Adds one dropped path to the playlist: a list file's entries (names ending exactly in "m3u"
// or "zul") or the path of any other existing file, switching list play on; or, for a folder,
// its files that match the folder-add extensions (and those of its sub-folders when that
// option is 1). Refreshes the count display.
void DDadd(Program& p, const std::string& path);

// Fills the list window's List2 with the folder and every folder below it, and gives them with
// their files.
std::vector<FolderListing> SubFolda(Program& p, const std::string& folder);

// The list window's add-file and add-folder commands and its drops.
void WireAddingEntries(Program& p);

// The add-file dialog's filter.
std::string AddFileFilter();

}  // namespace zuk
