#pragma once

#include <string>

namespace zuk {

class Program;

// Adds one dropped path to the playlist: a list file's entries (names ending exactly in "m3u"
// or "zul"), or the path of any other existing file, switching list play on. A path that is no
// file is taken as a folder.
void DDadd(Program& p, const std::string& path);

}  // namespace zuk
