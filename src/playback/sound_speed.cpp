#include "playback/sound_speed.h"

#include <cstdio>
#include <cstdlib>

#include "controls/number_text.h"
#include "player/program.h"

namespace zuk {

std::string FormatTenths(int tenths) {
    const int magnitude = std::abs(tenths);
    char text[16];
    if (magnitude % 10 == 0) {
        std::snprintf(text, sizeof text, "%s%d", tenths < 0 ? "-" : "", magnitude / 10);
    } else {
        std::snprintf(text, sizeof text, "%s%d.%d", tenths < 0 ? "-" : "", magnitude / 10,
                      magnitude % 10);
    }
    return text;
}

void SpeedHandling(Program& p) {
    MainWindow& m = p.Main;
    m.Label3.setCaption(FormatTenths(m.Slider1.value()));
    const bool slow = LeadingNumber(m.Label3.caption()) < 1.0;
    if (m.mnuSetMute.checked() && slow) m.Check4.setValue(0);
    p.platform.player.setRate(LeadingNumber(m.Label3.caption()));
}

namespace {

void VolumeChange(Program& p) {
    MainWindow& m = p.Main;
    p.platform.player.setVolume(m.Slider3.value());
    m.Label7.setCaption(std::to_string((m.Slider3.value() + 2500) / 25) + "%");
    m.Check4.setValue(1);  // moving the volume always turns the sound back on
}

void BalanceChange(Program& p) {
    MainWindow& m = p.Main;
    p.platform.player.setBalance(m.Slider2.value());
    m.Label8.setCaption(std::to_string(m.Slider2.value() / 50) + "%");
}

void SoundSwitch(Program& p) {
    PlayerControl& player = p.platform.player;
    if (!p.Main.Check4.ticked()) {
        player.setMute(true);
        return;
    }
    player.setMute(false);
    player.setVolume(p.Main.Slider3.value());
}

}  // namespace

void WireSoundSpeed(Program& p) {
    MainWindow& m = p.Main;
    m.Slider1.onChange = [&p] { SpeedHandling(p); };
    m.Slider3.onChange = [&p] { VolumeChange(p); };
    m.Slider2.onChange = [&p] { BalanceChange(p); };
    m.Check4.onClick = [&p] { SoundSwitch(p); };
    m.Command1.onClick = [&m] { m.Slider1.setValue(10); };
    m.Label6.onClick = [&m] { m.Slider2.setValue(0); };
}

}  // namespace zuk
