#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/mpv/mpv_player.h"
#include "support/temp_dir.h"

namespace zuk::test {

// Makes the QApplication (once) and sets the number format libmpv needs.
void EnsureApplication();

// Runs the Qt event loop until done() holds or timeoutMs pass; gives done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000);

// Writes the events it receives, in order: "open 0>5", "play 6>2", "pos 0.3>0.5", "ready 4".
class EventLog final : public PlayerEvents {
  public:
    std::vector<std::string> events;
    void openStateChange(int oldState, int newState) override;
    void playStateChange(int oldState, int newState) override;
    void positionChange(double oldPosition, double newPosition) override;
    void readyStateChange(int state) override;
    // Events whose text starts with prefix.
    std::vector<std::string> only(const std::string& prefix) const;
};

// Small media made by ffmpeg on first use, in a folder of the test's own.
class Media {
  public:
    // seconds of a 320x240 test picture with a stereo tone.
    std::string clip(int seconds = 1);
    // A stereo tone at 1/8 of full scale, no picture.
    std::string tone(int seconds = 1);
    // Writes a file in the media folder; gives its path.
    std::string write(const std::string& name, const std::string& bytes) {
        return dir_.write(name, bytes);
    }
    const std::string& folder() const { return dir_.path(); }

  private:
    std::string make(const std::string& name, const std::string& ffmpegInput);
    TempDir dir_;
};

// A headless control (no picture window, silent timed sound unless options say otherwise)
// with an event log as its sink. Makes the QApplication on first use.
struct Harness {
    explicit Harness(const EngineOptions& options = {{"ao", "null"}});
    EventLog log;
    std::unique_ptr<MpvPlayer> player;
    // Waits for the play state to become state.
    bool waitForState(int state, int timeoutMs = 10000);
};

}  // namespace zuk::test
