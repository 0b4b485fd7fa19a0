#include "player_harness.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace zuk::test {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "mpv_player_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        std::setlocale(LC_NUMERIC, "C");  // libmpv refuses to start otherwise
        return a;
    }();
    (void)app;
}

namespace {

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    return QTest::qWaitFor(done, timeoutMs);
}

void EventLog::openStateChange(int o, int n) {
    events.push_back("open " + std::to_string(o) + ">" + std::to_string(n));
}
void EventLog::playStateChange(int o, int n) {
    events.push_back("play " + std::to_string(o) + ">" + std::to_string(n));
}
void EventLog::positionChange(double o, double n) {
    events.push_back("pos " + Number(o) + ">" + Number(n));
}
void EventLog::readyStateChange(int s) {
    events.push_back("ready " + std::to_string(s));
}

std::vector<std::string> EventLog::only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& e : events)
        if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
}

std::string Media::make(const std::string& name, const std::string& ffmpegInput) {
    const std::string path = dir_.file(name);
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fclose(f);
        return path;
    }
    const std::string command =
        "ffmpeg -nostdin -loglevel error -y " + ffmpegInput + " '" + path + "'";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << "ffmpeg failed: " << command;
    return path;
}

std::string Media::clip(int seconds) {
    const std::string n = std::to_string(seconds);
    return make("clip" + n + ".mkv", "-f lavfi -i testsrc=size=320x240:rate=25:duration=" + n +
                                         " -f lavfi -i sine=frequency=440:duration=" + n +
                                         " -ac 2 -c:v mpeg4 -c:a pcm_s16le -shortest");
}

std::string Media::tone(int seconds) {
    const std::string n = std::to_string(seconds);
    return make("tone" + n + ".wav",
                "-f lavfi -i sine=frequency=440:duration=" + n + " -ac 2 -c:a pcm_s16le");
}

Harness::Harness(const EngineOptions& options) {
    EnsureApplication();
    player = std::make_unique<MpvPlayer>(nullptr, PictureOutput::None, options);
    player->setEventSink(&log);
}

bool Harness::waitForState(int state, int timeoutMs) {
    return WaitFor([&] { return player->playState() == state; }, timeoutMs);
}

}  // namespace zuk::test
