#pragma once

namespace zuk {

class Program;

// Shows the About window anew (on top when always on top is on), not modal.
void ShowHelp(Program& p);

// The About window's links and the clicks that close it.
void WireAbout(Program& p);

}  // namespace zuk
