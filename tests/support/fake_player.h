#pragma once

#include <string>
#include <vector>

#include "platform/player_control.h"

namespace zuk::test {

// A scriptable player control: it keeps what it is given, logs every call in order, and lets
// a test set what it reports (position, duration, state) and raise its events.
class FakePlayer : public PlayerControl {
  public:
    // Every call, as "name" or "name value", in order.
    std::vector<std::string> log;

    // What the control reports; tests set these freely.
    std::string file;
    double position = 0;
    double length = 0;
    int state = PlayState::Closed;
    int size = DisplaySize::Own;
    double rate = 1;
    int playCount = 1;
    int volume = 0;
    int balance = 0;
    bool mute = false;
    bool clipInfo = false;
    double topTwips = 0;
    double widthTwips = 3585;
    double heightTwips = 3795;
    bool shown = false;

    PlayerEvents* sink = nullptr;

    void setEventSink(PlayerEvents* s) override { sink = s; }
    std::string fileName() const override { return file; }
    void setFileName(const std::string& path) override;
    double currentPosition() const override { return position; }
    void setCurrentPosition(double seconds) override;
    double duration() const override { return length; }
    void setRate(double r) override;
    void setPlayCount(int count) override;
    int displaySize() const override { return size; }
    void setDisplaySize(int s) override;
    void setVolume(int v) override;
    void setBalance(int b) override;
    void setMute(bool on) override;
    void setShowClipInfo(bool on) override;
    int playState() const override { return state; }
    void play() override;
    void pause() override;
    void stop() override;
    void showDialog(int which) override;
    void aboutBox() override;
    double top() const override { return topTwips; }
    void setTop(double twips) override;
    double width() const override { return widthTwips; }
    void setWidth(double twips) override;
    double height() const override { return heightTwips; }
    void setHeight(double twips) override;
    bool visible() const override { return shown; }
    void setVisible(bool on) override;

    // Raise events as the real control would.
    void raisePlayState(int newState);
    void raiseOpenState();
    void raiseReady();
    void raisePosition();

    // Calls whose log entry starts with prefix.
    std::vector<std::string> calls(const std::string& prefix) const;

  private:
    void record(std::string call) { log.push_back(std::move(call)); }
};

}  // namespace zuk::test
