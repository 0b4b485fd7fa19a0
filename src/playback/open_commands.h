#pragma once

#include <string>
#include <vector>

namespace zuk {

class Program;

// Opens what the command line names: a list file (last three characters "m3u" or "zul", any
// case) replaces the playlist and its first entry plays; anything else becomes the only entry
// and plays. The text is taken whole, quotes and blanks included.
void CommandOpen(Program& p, const std::string& text);

// Files dropped on the main window: the playlist is replaced by what they add, and the first
// dropped path plays.
void DropOnMain(Program& p, const std::vector<std::string>& paths);

// The File menu's open command and the main window's drops.
void WireOpenCommands(Program& p);

// The open dialog's filter of the main window.
extern const char* const kMainOpenFilter;

}  // namespace zuk
