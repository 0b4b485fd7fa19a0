#include "remote/remote_commands.h"

#include <cmath>
#include <cstdio>

#include "controls/number_text.h"
#include "playback/play_sequencing.h"
#include "player/program.h"

namespace zuk {
namespace {

constexpr const char* kStepTitle = "Tavrin MediaPlayer - 早送り・巻戻しの設定";
constexpr const char* kStepPrompt =
    "早送り・巻戻しの間隔を入力してください。(秒)\r\n(-"
    "32768から32767までで指定してください。負は巻戻しです。)";

// A backward skip that would reach the start or pass it is ignored; forward has no limit.
void Skip(Program& p, const Button& button) {
    if (!IsNumber(button.caption())) return;
    PlayerControl& player = p.platform.player;
    const double step = LeadingNumber(button.caption());
    if (step + player.currentPosition() > 0)
        player.setCurrentPosition(step + player.currentPosition());
}

bool ChangeStep(Program& p, Button& button, KeyModifiers modifiers) {
    if (!modifiers.onlyCtrl()) return false;
    const std::string typed =
        p.platform.dialogs.inputBox(kStepPrompt, kStepTitle, button.caption());
    if (IsNumber(typed))
        button.setCaption(typed);  // as typed; the range in the prompt is not enforced
    return true;
}

void LimitSize(RemoteWindow& w) {
    if (w.width() > 2895) w.setWidth(2895);
    if (w.height() > 2820) w.setHeight(2820);
}

double Hundredths(double seconds) {
    return std::round(seconds * 100) / 100;
}

// Section timer: jumps to the start, and at the end repeats or stops and moves the list on.
void SectionTick(Program& p) {
    RemoteWindow& r = p.Remote;
    if (!IsNumber(r.Text1.text()) || !IsNumber(r.Text2.text())) return;
    PlayerControl& player = p.platform.player;
    const double start = LeadingNumber(r.Text1.text());
    const double end = LeadingNumber(r.Text2.text());
    const double length = player.duration();
    if (!(start < end) || !r.Check1.ticked() || start > length || end > length) return;
    if (Hundredths(player.currentPosition()) < start) player.setCurrentPosition(start);
    if (Hundredths(player.currentPosition()) <= end) return;
    if (r.Check2.ticked()) {
        player.setCurrentPosition(start);
        return;
    }
    player.stop();
    player.setCurrentPosition(end);
    PlayStateChange(p, PlayState::SectionEnd, PlayState::Playing);
}

void WireBound(TextBox& bound) {
    bound.keyFilter = [](char32_t key) {
        return (key >= U'0' && key <= U'9') || key == U'\b' || key == U'.';
    };
    bound.onChange = [&bound] {
        if (bound.text().empty()) bound.setText("0");
    };
}

void WireSection(Program& p) {
    RemoteWindow& r = p.Remote;
    PlayerControl& player = p.platform.player;
    r.Command2.onClick = [&r, &player] {
        r.Text1.setText(FormatSectionBound(player.currentPosition()));
    };
    r.Command3.onClick = [&r, &player] {
        r.Text2.setText(FormatSectionBound(player.currentPosition()));
        if (r.Check1.ticked() && IsNumber(r.Text1.text()))
            player.setCurrentPosition(LeadingNumber(r.Text1.text()));
    };
    r.Command4.onClick = [&r] {
        r.Text1.setText("0");
        r.Text2.setText("0");
    };
    r.Check1.onClick = [&r] { r.Timer1.setEnabled(r.Check1.ticked()); };
    WireBound(r.Text1);
    WireBound(r.Text2);
    r.Timer1.onTick = [&p] { SectionTick(p); };
}

}  // namespace

std::string FormatSectionBound(double seconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", Hundredths(seconds));
    return text;
}

void WireRemoteCommands(Program& p) {
    RemoteWindow& r = p.Remote;
    for (Button& button : r.Command1) {
        button.onClick = [&p, &button] { Skip(p, button); };
        button.onMouseDown = [&p, &button](KeyModifiers m) { return ChangeStep(p, button, m); };
    }
    r.onResize = [&r] { LimitSize(r); };
    r.onCloseRequest = [&p] {
        p.Main.mnuSetRemote.setChecked(false);
        if (p.Remote.ShuttingDown) return true;
        p.Remote.hide();
        return false;
    };
    WireSection(p);
}

}  // namespace zuk
