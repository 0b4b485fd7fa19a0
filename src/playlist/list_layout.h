#pragma once

namespace zuk {

class Program;

// The smallest outer size of the list window, in twips; smaller sizes snap back to it.
inline constexpr int kListMinWidth = 5805;
inline constexpr int kListMinHeight = 1900;

// The window's load: the sideways scroll range of the list, the seek slider's range when a
// file is already open, and the first layout.
void ListWindowLoad(Program& p);

// The resize rule: snaps the window up to its smallest size, then sizes List1 to the window
// and centres Frame1 at the bottom.
void ListResize(Program& p);

}  // namespace zuk
