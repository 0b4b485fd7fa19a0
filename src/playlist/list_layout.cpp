#include "playlist/list_layout.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "player/program.h"

namespace zuk {
namespace {

// Pixels the entries can be scrolled sideways, so that long paths can be read.
constexpr int kListScrollPixels = 600;

// Whole seconds, halves to even (the default rounding mode); what no slider value can hold
// (a duration that is not a number, or beyond 32 bits) leaves the range alone.
bool RoundSeconds(double seconds, std::int32_t& out) {
    const double whole = std::nearbyint(seconds);
    if (!(std::fabs(whole) <= std::numeric_limits<std::int32_t>::max())) return false;
    out = static_cast<std::int32_t>(whole);
    return true;
}

}  // namespace

void ListWindowLoad(Program& p) {
    ListWindow& w = p.List;
    w.List1.setHorizontalExtent(kListScrollPixels);
    const PlayerControl& player = p.platform.player;
    std::int32_t max = 0;
    if (!player.fileName().empty() && RoundSeconds(player.duration(), max)) w.Slider1.setMax(max);
    ListResize(p);
}

void ListResize(Program& p) {
    ListWindow& w = p.List;
    // Each snap resizes the window again, which runs this rule once more with the new size.
    if (w.width() <= kListMinWidth) w.setWidth(kListMinWidth);
    if (w.height() <= kListMinHeight) w.setHeight(kListMinHeight);
    const int width = w.width();
    const int height = w.height();
    w.List1.setGeometry({120, 120, width - 380, height - 1600});
    TwipsRect frame = w.Frame1.geometry();
    frame.top = height - 1500;
    frame.left = (width - frame.width) / 2 - 100;
    w.Frame1.setGeometry(frame);
}

}  // namespace zuk
