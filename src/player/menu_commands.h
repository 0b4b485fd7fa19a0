#pragma once

namespace zuk {

class Program;

// Start-up's showing of the list window: shown when mnuSetListshow is checked, else asked to
// close (which hides it).
void mnuFileListshow1(Program& p);

void WireMenuCommands(Program& p);

}  // namespace zuk
