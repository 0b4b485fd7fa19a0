#pragma once

namespace zuk {

class Program;

// What follows the end of a file or a section: the next entry (Command5), or a random one.
void AdvanceList(Program& p);

// The player's play-state change, also called with old state 9 and new state 2 when a section
// of the remote window has ended.
void PlayStateChange(Program& p, int oldState, int newState);
void ReadyStateChange(Program& p, int state);
void PositionChange(Program& p);

// Previous/next, the deferred start (Timer2), the list position Text2 and the synchronisation
// tick (Timer1) of the main window.
void WirePlaySequencing(Program& p);

}  // namespace zuk
