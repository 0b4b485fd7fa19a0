#pragma once

namespace zuk {

class Program;

// Shows the entry count in the main window's Label4 ("/" and the count) and resets the list
// position Text2 to "1" when it is not below the count.
void ListRefresh(Program& p);

// The list window's own commands: selecting, deleting and moving entries, the double-click,
// the Delete key, the menu buttons, drops, the resize rule and the close request.
void WireListCommands(Program& p);

}  // namespace zuk
