#include "playback/open_media.h"

#include <algorithm>
#include <cctype>

#include "player/program.h"
#include "playlist/list_commands.h"
#include "playlist/list_file.h"

namespace zuk {
namespace {

bool EndsWithIgnoringCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<long>(suffix.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

bool IsListFileName(const std::string& path) {
    return EndsWithIgnoringCase(path, "m3u") || EndsWithIgnoringCase(path, "zul");
}

}  // namespace

void OpenMedia(Program& p, const std::string& path) {
    p.platform.player.setFileName(path);
}

void CommandOpen(Program& p, const std::string& text) {
    ListBox& list = p.List.List1;
    list.clear();
    if (IsListFileName(text)) {
        list.addMany(ReadListFile(text, ListBox::kMaxEntries).entries);
    } else {
        list.add(text);
    }
    p.Main.Check1.setValue(1);
    OpenMedia(p, list.empty() ? std::string() : list.text(0));
    ListRefresh(p);
}

}  // namespace zuk
