#pragma once

#include <cstdint>
#include <string>

namespace zuk {

class Program;

// The play button: opens the list's current entry unless the player already holds it, starts
// or resumes it, marks the entry that plays as the only selected one, points the list position
// Text2 at it and starts the main window's ScreenTime.
void PlayCurrentEntry(Program& p);

// Seconds as minutes (at least two digits) and seconds: 125 -> "02:05", 6000 -> "100:00".
std::string FormatSliderTime(std::int32_t seconds);

// Play, pause and stop buttons, the seek slider and its time label of the list window.
void WireTransportBar(Program& p);

}  // namespace zuk
