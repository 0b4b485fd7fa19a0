#include "playback/list_play.h"

#include <climits>
#include <cmath>
#include <optional>
#include <string>

#include "controls/number_text.h"
#include "player/program.h"

namespace zuk {
namespace {

void ListPlayClick(Program& p) {
    MainWindow& m = p.Main;
    const bool on = m.Check1.ticked();
    if (on && p.List.List1.empty()) return;
    for (Control* c : std::initializer_list<Control*>{&m.Text2, &m.Label4, &m.Command4, &m.Command5,
                                                      &m.Check2, &m.Check5})
        c->setEnabled(on);
    if (on) m.Option3.setValue(true);
}

// Text1 as a play count: a whole number of at least min, or nothing.
std::optional<int> PlayCountText(const std::string& text, int min) {
    if (!IsNumber(text)) return std::nullopt;
    const double n = std::trunc(LeadingNumber(text));
    if (n < min || n > INT_MAX) return std::nullopt;
    return static_cast<int>(n);
}

}  // namespace

void WireListPlay(Program& p) {
    MainWindow& m = p.Main;
    PlayerControl& player = p.platform.player;
    m.Check1.onClick = [&p] { ListPlayClick(p); };
    m.Option3.onClick = [&m, &player] {
        m.Text1.setEnabled(true);
        if (const auto count = PlayCountText(m.Text1.text(), 0)) player.setPlayCount(*count);
    };
    m.Option4.onClick = [&m, &player] {
        m.Text1.setEnabled(false);
        player.setPlayCount(0);
    };
    m.Text1.keyFilter = [](char32_t key) { return (key >= U'0' && key <= U'9') || key == U'\b'; };
    m.Text1.onChange = [&m, &player] {
        if (const auto count = PlayCountText(m.Text1.text(), 1)) player.setPlayCount(*count);
    };
}

}  // namespace zuk
