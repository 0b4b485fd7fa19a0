#include "playlist/transport_bar.h"

#include <algorithm>
#include <cstdio>

#include "playback/open_media.h"
#include "player/program.h"

namespace zuk {
namespace {

// The entry the player holds: the wrapped path while it plays one of the wrapper files.
int PlayingEntry(const Program& p) {
    const std::string file = p.platform.player.fileName();
    const std::string& key = IsWrapperFile(file, p.AsxFolder) ? p.WrappedFile : file;
    const auto& texts = p.List.List1.texts();
    const auto it = std::find(texts.begin(), texts.end(), key);
    return it == texts.end() ? -1 : static_cast<int>(it - texts.begin());
}

void MarkPlayingEntry(Program& p) {
    ListBox& list = p.List.List1;
    list.setAllSelected([](int, bool) { return false; });
    const int playing = PlayingEntry(p);
    list.setSelected(playing, true);
    // No matching entry points past the end of the list.
    p.Main.Text2.setText(std::to_string((playing == -1 ? list.count() : playing) + 1));
}

}  // namespace

void PlayCurrentEntry(Program& p) {
    PlayerControl& player = p.platform.player;
    const ListBox& list = p.List.List1;
    // Without a current entry there is nothing to open; a loaded file still resumes.
    if (const int current = list.currentIndex(); current != -1) {
        const std::string& entry = list.text(current);
        if (entry != player.fileName() || player.playState() == PlayState::Closed)
            OpenMedia(p, entry);
    }
    const int state = player.playState();
    if (state == PlayState::Stopped || state == PlayState::Paused) player.play();
    MarkPlayingEntry(p);
    p.Main.ScreenTime.start();
}

std::string FormatSliderTime(std::int32_t seconds) {
    const long long s = seconds;
    const long long magnitude = s < 0 ? -s : s;
    char text[32];
    std::snprintf(text, sizeof text, "%s%02lld:%02lld", s < 0 ? "-" : "", magnitude / 60,
                  magnitude % 60);
    return text;
}

void WireTransportBar(Program& p) {
    ListWindow& w = p.List;
    PlayerControl& player = p.platform.player;
    w.Command5.onClick = [&p] { PlayCurrentEntry(p); };
    // Pause and stop act only on a playing file: a paused one is not stopped.
    w.Command6.onClick = [&player] {
        if (player.playState() == PlayState::Playing) player.pause();
    };
    w.Command7.onClick = [&player] {
        if (player.playState() == PlayState::Playing) player.stop();
    };
    // The slider seeks only when the mouse lets go of it; until then the player's position
    // events leave it alone.
    w.Slider1.onMouseDown = [&w] { w.SliderFollows = false; };
    w.Slider1.onMouseUp = [&w, &player] {
        player.setCurrentPosition(static_cast<double>(w.Slider1.value()));
        w.SliderFollows = true;
    };
    w.Slider1.onChange = [&w] { w.Label1.setCaption(FormatSliderTime(w.Slider1.value())); };
}

}  // namespace zuk
