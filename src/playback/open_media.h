#pragma once

#include <string>

namespace zuk {

class Program;

// The one way a file reaches the player control.
void OpenMedia(Program& p, const std::string& path);

// Opens what the command line names: a list file (last three characters "m3u" or "zul", any
// case) replaces the playlist and its first entry plays; anything else becomes the only entry
// and plays. The text is taken whole, quotes and blanks included.
void CommandOpen(Program& p, const std::string& text);

}  // namespace zuk
