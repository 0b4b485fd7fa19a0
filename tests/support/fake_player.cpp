#include "support/fake_player.h"

#include <sstream>

namespace zuk::test {
namespace {

template <class T>
std::string Call(const char* name, const T& value) {
    std::ostringstream out;
    out << name << ' ' << value;
    return out.str();
}

}  // namespace

void FakePlayer::setFileName(const std::string& path) {
    record(Call("setFileName", path));
    file = path;
}
void FakePlayer::setCurrentPosition(double seconds) {
    record(Call("setCurrentPosition", seconds));
    position = seconds;
}
void FakePlayer::setRate(double r) {
    record(Call("setRate", r));
    rate = r;
}
void FakePlayer::setPlayCount(int count) {
    record(Call("setPlayCount", count));
    playCount = count;
}
void FakePlayer::setDisplaySize(int s) {
    record(Call("setDisplaySize", s));
    size = s;
}
void FakePlayer::setVolume(int v) {
    record(Call("setVolume", v));
    volume = v;
}
void FakePlayer::setBalance(int b) {
    record(Call("setBalance", b));
    balance = b;
}
void FakePlayer::setMute(bool on) {
    record(Call("setMute", on));
    mute = on;
}
void FakePlayer::setShowClipInfo(bool on) {
    record(Call("setShowClipInfo", on));
    clipInfo = on;
}
void FakePlayer::play() {
    record("play");
    state = PlayState::Playing;
}
void FakePlayer::pause() {
    record("pause");
    state = PlayState::Paused;
}
void FakePlayer::stop() {
    record("stop");
    if (state != PlayState::Closed) state = PlayState::Stopped;
    position = 0;
}
void FakePlayer::showDialog(int which) {
    record(Call("showDialog", which));
}
void FakePlayer::aboutBox() {
    record("aboutBox");
}
void FakePlayer::setTop(double twips) {
    record(Call("setTop", twips));
    topTwips = twips;
}
void FakePlayer::setWidth(double twips) {
    record(Call("setWidth", twips));
    widthTwips = twips;
}
void FakePlayer::setHeight(double twips) {
    record(Call("setHeight", twips));
    heightTwips = twips;
}
void FakePlayer::setVisible(bool on) {
    record(Call("setVisible", on));
    shown = on;
}

void FakePlayer::raisePlayState(int newState) {
    const int old = state;
    state = newState;
    if (sink) sink->playStateChange(old, newState);
}
void FakePlayer::raiseOpenState() {
    if (sink) sink->openStateChange(0, 13);
}
void FakePlayer::raiseReady() {
    if (sink) sink->readyStateChange(kReadyStateComplete);
}
void FakePlayer::raisePosition() {
    if (sink) sink->positionChange(position, position);
}

std::vector<std::string> FakePlayer::calls(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : log)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}

}  // namespace zuk::test
