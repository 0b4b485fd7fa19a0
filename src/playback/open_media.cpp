#include "playback/open_media.h"

#include "platform/ascii_case.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "playback/media_info.h"
#include "player/program.h"

namespace zuk {
namespace {

std::string WrapperTarget(const Program& p) {
    const std::string current = p.platform.player.fileName();
    const bool holdsFirst =
        current.size() >= 5 && current.compare(current.size() - 5, 5, "1.asx") == 0;
    return p.AsxFolder + (holdsFirst ? "zuk2.asx" : "zuk1.asx");
}

}  // namespace

bool NamesWrappedMedia(std::string_view path) {
    return ContainsIgnoringCase(path, "mp3") || ContainsIgnoringCase(path, "rmp") ||
           ContainsIgnoringCase(path, "wav");
}

bool IsWrapperFile(std::string_view mediaFile, const std::string& asxFolder) {
    if (asxFolder.empty()) return false;
    return EqualIgnoringCase(mediaFile, asxFolder + "zuk1.asx") ||
           EqualIgnoringCase(mediaFile, asxFolder + "zuk2.asx");
}

std::string AsxWrapperText(const MediaInfo& info, const std::string& path) {
    std::string text;
    const auto line = [&text](std::string_view a, std::string_view b = {},
                              std::string_view c = {}) {
        text.append(a).append(b).append(c).append("\r\n");
    };
    line("<ASX version = \"3.0\">");
    line("<title>", info.Album, "</title>");
    line("<entry>");
    line("<title>", info.Title, "</title>");
    line("<author>", info.Artist, "</author>");
    line("<copyright>", info.Comment, "</copyright>");
    line("<Ref href = \"", path, "\" />");
    line("</entry>");
    line("</asx>");
    return text;
}

void PlayThroughAsx(Program& p, const std::string& path) {
    PlayerControl& player = p.platform.player;
    player.stop();
    // The wrapper folder is private to this user; when it cannot be had, play the file itself.
    p.AsxFolder = PrivateRuntimeFolder().value_or(std::string());
    const MediaInfo info = ReadMediaInfo(path);
    if (!p.AsxFolder.empty()) {
        const std::string target = WrapperTarget(p);
        // Written beside and renamed over: a link planted under the wrapper's name is replaced,
        // never followed.
        if (WriteFileAtomically(target, AsxWrapperText(info, path))) {
            player.setFileName(target);
            return;
        }
    }
    player.setFileName(path);
}

void OpenMedia(Program& p, const std::string& path) {
    if (!NamesWrappedMedia(path)) {
        p.platform.player.setFileName(path);
        return;
    }
    p.WrappedFile = path;
    PlayThroughAsx(p, path);
}

}  // namespace zuk
