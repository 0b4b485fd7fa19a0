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

}  // namespace zuk
