#pragma once

#include <string>
#include <string_view>

#include "playback/media_source.h"

namespace zuk {

// Clip information of a media file, as UTF-8. Every field is empty unless found.
struct MediaInfo {
    std::string Title;
    std::string Artist;
    std::string Album;
    std::string Comment;

    bool operator==(const MediaInfo&) const = default;
};

// Reads the INFO entries of a RIFF file (a WAVE file or MPEG audio of form type "RMP3") or the
// ID3 version 1 tag at the end of any other file. Never fails: a path of blanks, a file that
// cannot be opened or read, or data that does not fit gives the empty record.
MediaInfo ReadMediaInfo(const std::string& path);
MediaInfo ReadMediaInfo(MediaSource& file);

// The part of text before its first NUL, or the whole text when it has none.
std::string_view StripTagNul(std::string_view text);

}  // namespace zuk
