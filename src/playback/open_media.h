#pragma once

#include <string>
#include <string_view>

namespace zuk {

class Program;
struct MediaInfo;

// The one way a file reaches the player control. Paths that name WAV or MP3 audio ("mp3",
// "rmp" or "wav" anywhere, any case) go through the wrapper, which carries the clip
// information the player reads itself; everything else is handed over as it is.
void OpenMedia(Program& p, const std::string& path);

// Stops the player, writes the clip information of path and path itself into one of the two
// wrapper files (alternating "zuk1.asx" and "zuk2.asx" in AsxFolder) and gives the player the
// wrapper. When no wrapper can be written, the player gets path itself.
void PlayThroughAsx(Program& p, const std::string& path);

// The nine-line wrapper, every line ending in CR LF, texts unescaped.
std::string AsxWrapperText(const MediaInfo& info, const std::string& path);

// Whether OpenMedia wraps path.
bool NamesWrappedMedia(std::string_view path);

// Whether the control's media file is one of the wrapper files of folder (letter case
// ignored).
bool IsWrapperFile(std::string_view mediaFile, const std::string& asxFolder);

}  // namespace zuk
