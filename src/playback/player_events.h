#pragma once

#include "platform/player_control.h"

namespace zuk {

class Program;

// The main window's handling of the player control's events.
class PlayerEventHandler final : public PlayerEvents {
  public:
    explicit PlayerEventHandler(Program& p) : p_(p) {}
    void openStateChange(int oldState, int newState) override;
    void playStateChange(int oldState, int newState) override;
    void positionChange(double oldPosition, double newPosition) override;
    void readyStateChange(int state) override;

  private:
    Program& p_;
};

}  // namespace zuk
