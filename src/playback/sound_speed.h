#pragma once

#include <string>

namespace zuk {

class Program;

// The speed handling: shows Slider1's value / 10 in Label3, mutes (unticks Check4) when the
// mute-while-slow option is on and the speed is below 1, and gives the rate to the player.
// Runs at start-up, after every play-state change and on every Timer1 tick.
void SpeedHandling(Program& p);

// The speed slider, the volume and balance sliders with their read-outs, the sound switch,
// and the buttons back to normal speed and to the centre.
void WireSoundSpeed(Program& p);

// Tenths as the shortest decimal text with a point: 2 -> "0.2", 10 -> "1", 15 -> "1.5".
std::string FormatTenths(int tenths);

}  // namespace zuk
