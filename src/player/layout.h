#pragma once

namespace zuk {

class Program;

// Fits the main window around the player: the player's height plus 800 twips, at least 5910
// (the player then centred vertically), and its width plus 1800. Only in the normal window
// state; callers check.
void FitWindowToPicture(Program& p);

// The picture size for the standard or double size option (0 or 2).
int ChosenPictureSize(const Program& p);

// Steps that every tick of Timer1 runs: the pending always-on-top state is applied once, and
// the full-screen box follows the player.
void TopMostPendingStep(Program& p);
void FullScreenCheckStep(Program& p);

// The picture-size options, free size, full screen, the window's resizing, always on top and
// the one-shot ScreenTime of the main window.
void WireLayout(Program& p);

}  // namespace zuk
