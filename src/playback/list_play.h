#pragma once

namespace zuk {

class Program;

// List play (Check1) and the play count (Option3, Option4, Text1) of the main window.
void WireListPlay(Program& p);

}  // namespace zuk
