#include "playback/play_sequencing.h"

#include <cmath>
#include <random>
#include <string>

#include "controls/number_text.h"
#include "platform/ascii_case.h"
#include "playback/open_media.h"
#include "playback/sound_speed.h"
#include "player/layout.h"
#include "player/program.h"

namespace zuk {
namespace {

int ListPosition(const Program& p) {
    return static_cast<int>(LeadingNumber(p.Main.Text2.text()));
}

// The list length as Label4 shows it: the text after its first character ("/12" gives "12").
std::string ListLengthText(const Program& p) {
    const std::string& caption = p.Main.Label4.caption();
    return caption.empty() ? std::string() : caption.substr(1);
}

void SetListPosition(Program& p, int position) {
    p.Main.Text2.setText(std::to_string(position));
}

void Previous(Program& p) {
    const int position = ListPosition(p);
    if (position > 1) SetListPosition(p, position - 1);
    p.Main.Timer2.start();
}

void Next(Program& p) {
    MainWindow& m = p.Main;
    const std::string length = ListLengthText(p);
    if (EqualIgnoringCase(m.Text2.text(), length)) {
        if (!m.Check2.ticked()) return;  // the last entry has ended: play ends
        m.Text2.setText("1");
        m.Timer2.start();
        return;
    }
    const int position = ListPosition(p);
    if (position < LeadingNumber(length)) SetListPosition(p, position + 1);
    m.Timer2.start();
}

// Timer2: starts entry Text2 once list play is on.
void DeferredStart(Program& p) {
    MainWindow& m = p.Main;
    m.ScreenTime.start();
    if (!m.Check1.ticked()) return;
    m.Timer2.stop();
    ListBox& list = p.List.List1;
    list.setAllSelected([](int, bool) { return false; });
    const int index = ListPosition(p) - 1;
    if (index < 0 || index >= list.count()) return;  // the position names no entry
    list.setSelected(index, true);
    list.setCurrentIndex(index);
    OpenMedia(p, list.text(index));
}

void ApplyChosenPictureSize(Program& p) {
    if (p.Main.Check3.ticked() || p.Main.Check6.ticked()) return;
    p.platform.player.setDisplaySize(ChosenPictureSize(p));
    if (p.Main.state() == WindowState::Normal) FitWindowToPicture(p);
}

// Whole seconds, fractions dropped (also for negative values).
int WholeSeconds(double seconds) {
    return static_cast<int>(std::trunc(seconds));
}

// Timer1: keeps the main and list windows in step with the player.
void Synchronise(Program& p) {
    PlayerControl& player = p.platform.player;
    TopMostPendingStep(p);
    const double position = player.currentPosition();
    if (position > 2) p.List.Slider1.setMax(WholeSeconds(player.duration()));
    if (p.Main.mnuFileListshow.checked() && position != -1)
        p.List.Slider1.setValue(WholeSeconds(position));
    FullScreenCheckStep(p);
    SpeedHandling(p);
}

}  // namespace

void AdvanceList(Program& p) {
    MainWindow& m = p.Main;
    if (!m.Check5.ticked()) {
        Next(p);
        return;
    }
    // Uniform over all entries, the current one included; repeats are allowed.
    const int count = p.List.List1.count();
    const int position = count > 0 ? std::uniform_int_distribution<int>(1, count)(p.Random) : 1;
    SetListPosition(p, position);
    m.Timer2.start();
}

void PlayStateChange(Program& p, int oldState, int newState) {
    PlayerControl& player = p.platform.player;
    ApplyChosenPictureSize(p);
    const bool fileEnded =
        newState == PlayState::Stopped &&
        WholeSeconds(player.currentPosition()) == WholeSeconds(player.duration());
    if (fileEnded) AdvanceList(p);
    if (oldState == PlayState::SectionEnd && newState == PlayState::Playing) AdvanceList(p);
    if (newState == PlayState::Playing && p.Main.Check3.ticked())
        player.setDisplaySize(DisplaySize::FullScreen);
    SpeedHandling(p);
}

void ReadyStateChange(Program& p, int state) {
    if (state != kReadyStateComplete) return;
    const MainWindow& m = p.Main;
    const bool own = m.Option1.value() && !m.Check3.ticked() && !m.Check6.ticked();
    p.platform.player.setDisplaySize(own ? DisplaySize::Own : DisplaySize::Double);
}

void PositionChange(Program& p) {
    PlayerControl& player = p.platform.player;
    if (p.Main.mnuFileListshow.checked() && p.List.SliderFollows)
        p.List.Slider1.setValue(
            static_cast<int>(std::nearbyint(player.currentPosition())));  // halves to even
    p.List.Slider1.setMax(WholeSeconds(player.duration()));
}

void WirePlaySequencing(Program& p) {
    MainWindow& m = p.Main;
    m.Text2.onChange = [&m] {
        if (m.Text2.text().empty()) {
            m.Text2.setText("1");
        } else {
            m.Timer2.stop();  // a pending deferred start is cancelled
        }
    };
    m.Text2.keyFilter = [](char32_t) { return false; };
    m.Command4.onClick = [&p] { Previous(p); };
    m.Command5.onClick = [&p] { Next(p); };
    m.Timer2.onTick = [&p] { DeferredStart(p); };
    m.Timer1.onTick = [&p] { Synchronise(p); };
}

}  // namespace zuk
