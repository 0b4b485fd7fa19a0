#pragma once

#include <string>

namespace zuk {

class Program;

// A position in seconds as the section bounds show it: hundredths, at least one digit before
// the point and exactly two after it (0.00, 5.26, 125.50).
std::string FormatSectionBound(double seconds);

// The remote window: skip buttons with steps the user changes by Ctrl+click, the window's size
// limit and close, and section play with its 10 ms timer.
void WireRemoteCommands(Program& p);

}  // namespace zuk
