// The player control on the real engine, headless: no picture window, sound to nowhere (or to
// a file where the test listens to it), on media that ffmpeg makes for each test.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/qt/twips.h"
#include "player_harness.h"

namespace zuk::test {
namespace {

using Clock = std::chrono::steady_clock;

TEST(MpvPlayer, LoadingRaisesOpenReadyAndPlayEventsInOrderAndEndsStoppedAtTheDuration) {
    Media media;
    Harness h;
    const std::string clip = media.clip();
    EXPECT_EQ(h.player->playState(), PlayState::Closed);
    h.player->setFileName(clip);
    EXPECT_EQ(h.player->fileName(), clip);
    ASSERT_TRUE(h.waitForState(PlayState::Playing));
    EXPECT_EQ(h.log.events,
              (std::vector<std::string>{"open 0>5", "open 5>6", "ready 4", "play 6>2"}));
    EXPECT_NEAR(h.player->duration(), 1.0, 0.05);

    ASSERT_TRUE(h.waitForState(PlayState::Stopped));
    EXPECT_EQ(h.log.events.back(), "play 2>0");
    // Exactly the duration, which is how the program recognises the end of a file.
    EXPECT_EQ(h.player->currentPosition(), h.player->duration());
    EXPECT_EQ(h.player->fileName(), clip);
}

TEST(MpvPlayer, PlayCountPlaysTheFileThatOftenForEveryFile) {
    Media media;
    Harness h;
    const std::string tone = media.tone();
    for (int count : {2, 1, 2}) {
        h.log.events.clear();
        h.player->setPlayCount(count);
        const auto start = Clock::now();
        h.player->setFileName(tone);
        ASSERT_TRUE(h.waitForState(PlayState::Playing));
        ASSERT_TRUE(h.waitForState(PlayState::Stopped, 15000));
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        // Each repetition is one jump back to the start; then the end, at the duration.
        EXPECT_EQ(h.log.only("pos").size(), static_cast<size_t>(count - 1)) << "count " << count;
        // A bound from below only (a busy machine is slower, never faster). The null sound
        // output ends each play about 0.3 s early, as it keeps no real buffer.
        EXPECT_GT(seconds, count * 0.6) << "count " << count;
        EXPECT_EQ(h.player->currentPosition(), h.player->duration());
    }
}

TEST(MpvPlayer, PauseSeekStopAndPlayAgain) {
    Media media;
    Harness h;
    h.player->setFileName(media.clip());
    ASSERT_TRUE(h.waitForState(PlayState::Playing));
    h.player->pause();
    EXPECT_EQ(h.player->playState(), PlayState::Paused);

    h.player->setCurrentPosition(0.52);
    EXPECT_DOUBLE_EQ(h.player->currentPosition(), 0.52);
    ASSERT_TRUE(WaitFor([&] { return !h.log.only("pos").empty(); }));
    EXPECT_EQ(h.log.only("pos").back().substr(h.log.only("pos").back().find('>')), ">0.52");
    EXPECT_NEAR(h.player->currentPosition(), 0.52, 0.001);  // seeks are precise
    EXPECT_EQ(h.player->playState(), PlayState::Paused);

    h.player->stop();  // back to the start
    EXPECT_EQ(h.player->playState(), PlayState::Stopped);
    EXPECT_EQ(h.player->currentPosition(), 0);
    h.player->play();
    EXPECT_EQ(h.player->playState(), PlayState::Playing);
    ASSERT_TRUE(h.waitForState(PlayState::Stopped));
    EXPECT_EQ(h.player->currentPosition(), h.player->duration());

    // Play after the end starts the file again.
    h.player->play();
    EXPECT_EQ(h.player->playState(), PlayState::Playing);
    ASSERT_TRUE(WaitFor(
        [&] { return h.player->currentPosition() > 0.1 && h.player->currentPosition() < 0.9; }));
    EXPECT_EQ(h.log.only("play"), (std::vector<std::string>{"play 6>2", "play 2>1", "play 1>0",
                                                            "play 0>2", "play 2>0", "play 0>2"}));
}

TEST(MpvPlayer, RateVolumeAndMuteReachTheEngine) {
    Media media;
    Harness h;
    h.player->setFileName(media.clip());
    ASSERT_TRUE(h.waitForState(PlayState::Playing));
    MpvEngine& engine = h.player->engine();
    for (double rate : {0.2, 0.5, 2.2, 1.0}) {
        h.player->setRate(rate);
        EXPECT_DOUBLE_EQ(engine.number(Prop::Speed), rate);
    }
    h.player->setRate(0);  // no speed at all is refused
    EXPECT_DOUBLE_EQ(engine.number(Prop::Speed), 1.0);
    EXPECT_TRUE(engine.flag(Prop::PitchCorrection));  // speech stays natural at 0.5

    // 1/100 dB to the engine's cubic 0..100: -2500 is 25 dB down.
    const std::pair<int, double> volumes[] = {
        {0, 100.0}, {-2500, 38.31}, {-6000, 10.0}, {-20000, 2.154}, {500, 100.0}};
    for (const auto& [hundredthsDb, engineVolume] : volumes) {
        h.player->setVolume(hundredthsDb);
        EXPECT_NEAR(engine.number(Prop::Volume), engineVolume, 0.01) << hundredthsDb;
    }
    h.player->setMute(true);
    EXPECT_TRUE(engine.flag(Prop::Mute));
    h.player->setMute(false);
    EXPECT_FALSE(engine.flag(Prop::Mute));
}

// RMS of the left and right channels of a 16-bit stereo WAV file, over its last second.
std::pair<double, double> ChannelLevels(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t data = bytes.find("data");
    if (data == std::string::npos) return {0, 0};
    const auto* samples = reinterpret_cast<const int16_t*>(bytes.data() + data + 8);
    const size_t frames = (bytes.size() - data - 8) / 4;
    double left = 0, right = 0;
    const size_t from = frames > 44100 ? frames - 44100 : 0;
    for (size_t i = from; i < frames; ++i) {
        left += double(samples[2 * i]) * samples[2 * i];
        right += double(samples[2 * i + 1]) * samples[2 * i + 1];
    }
    const double n = double(frames - from);
    return {std::sqrt(left / n) / 32768.0, std::sqrt(right / n) / 32768.0};
}

TEST(MpvPlayer, VolumeAndBalanceReachTheSound) {
    Media media;
    // The engine filters well ahead of the sound output (about 1.5 s here): the last second
    // of a 3 s tone is filtered after any change the test makes.
    const std::string tone = media.tone(3);
    // RMS of ffmpeg's sine (amplitude 1/8 of full scale) spread to two channels at -3 dB.
    const double full = 0.125 / std::sqrt(2.0) / std::sqrt(2.0);
    struct Case {
        int volume, balance;
        bool whilePlaying;   // balance changed on the running filter, not at the start
        double left, right;  // expected gains
    };
    const Case cases[] = {
        {0, 0, false, 1, 1},         {0, -2000, false, 1, 0.1}, {0, 2000, false, 0.1, 1},
        {-2000, 0, false, 0.1, 0.1}, {0, -4000, true, 1, 0.01}, {0, 1000, true, 0.316, 1},
    };
    for (const Case& c : cases) {
        const std::string out = media.folder() + "out.wav";
        std::filesystem::remove(out);
        Harness h({{"ao", "pcm"}, {"ao-pcm-file", out}, {"audio-format", "s16"}});
        h.player->setVolume(c.volume);
        if (!c.whilePlaying) h.player->setBalance(c.balance);
        h.player->setFileName(tone);
        if (c.whilePlaying) {
            h.player->pause();
            ASSERT_TRUE(h.waitForState(PlayState::Paused));
            h.player->setBalance(c.balance);
            WaitFor([] { return false; }, 500);
            h.player->setCurrentPosition(0);  // the engine rebuilds its filters here
            h.player->play();
        }
        ASSERT_TRUE(h.waitForState(PlayState::Stopped));
        h.player.reset();  // closes the file
        const auto [left, right] = ChannelLevels(out);
        EXPECT_NEAR(left / full, c.left, c.left * 0.05) << c.volume << " " << c.balance;
        EXPECT_NEAR(right / full, c.right, c.right * 0.05) << c.volume << " " << c.balance;
    }
}

std::string Wrapper(const std::string& media) {
    return "<ASX version = \"3.0\">\r\n<title>Album</title>\r\n<entry>\r\n<title>Song & "
           "<Dance></title>\r\n"
           "<author>Me</author>\r\n<copyright></copyright>\r\n<Ref href = \"" +
           media + "\" />\r\n</entry>\r\n</asx>\r\n";
}

TEST(MpvPlayer, PlaysTheMediaOfAnAsxFileWithAmpersandsInItsPaths) {
    Media media;
    Harness h;
    std::filesystem::create_directories(media.folder() + "R&B <live>");
    const std::string song = media.folder() + "R&B <live>/it's a \"song\" & more.wav";
    std::filesystem::copy_file(media.tone(), song);
    const std::string asx = media.write("a&b/zuk1.ASX", Wrapper(song));
    h.player->setFileName(asx);
    ASSERT_TRUE(h.waitForState(PlayState::Playing));
    EXPECT_EQ(h.player->fileName(), asx);  // the wrapper's own name, as written
    EXPECT_NEAR(h.player->duration(), 1.0, 0.05);

    // A relative ref is taken from the wrapper's folder; of several refs the first that opens
    // plays.
    std::filesystem::copy_file(media.tone(), media.folder() + "a&b/x&y.wav");
    const std::string several = media.write("a&b/several.asx",
                                            "<asx><entry><ref href=\"/nowhere/missing.wav\"/><ref "
                                            "href=\"x&amp;y.wav\"/></entry></asx>");
    h.player->setFileName(several);
    ASSERT_TRUE(WaitFor([&] { return h.player->duration() > 0.9; }));
    EXPECT_EQ(h.player->playState(), PlayState::Playing);
}

TEST(MpvPlayer, BadMediaReportsNothingOpenAndTheControlGoesOn) {
    Media media;
    Harness h;
    const std::string clip = media.clip();
    std::filesystem::create_directories(media.folder() + "folder.avi");
    const std::string cases[] = {
        media.folder() + "missing.avi",
        media.folder() + "folder.avi",
        media.write("empty.mp3", ""),
        media.write("corrupt.avi", std::string(4096, '\x7f') + "RIFF garbage"),
        media.write("bad.asx", "<asx><entry><ref href=\"/nowhere.wav\"/></entry></asx>"),
        media.write("empty.asx", ""),
        "",
        // Engine protocols and options are plain (missing) file names, never run: each of
        // these would play something if the engine read it.
        "av://lavfi:sine=d=1",
        "edl://" + clip,
        "lavf://" + clip,
        "--loop=inf",
    };
    for (const std::string& bad : cases) {
        h.log.events.clear();
        h.player->setFileName(clip);
        ASSERT_TRUE(h.waitForState(PlayState::Playing));
        h.player->setFileName(bad);
        ASSERT_TRUE(h.waitForState(PlayState::Closed)) << bad;
        EXPECT_EQ(h.log.only("open").back(), "open 5>0") << bad;
        EXPECT_EQ(h.log.only("ready"), std::vector<std::string>{"ready 4"})
            << bad;  // the good file's only
        EXPECT_EQ(h.player->duration(), 0) << bad;
        EXPECT_EQ(h.player->currentPosition(), 0) << bad;
        h.player->pause();
        h.player->stop();
        h.player->setCurrentPosition(3);
        EXPECT_EQ(h.player->playState(), PlayState::Closed) << bad;
    }
}

TEST(MpvPlayer, AFileWhoseNameLooksLikeAnOptionPlays) {
    Media media;
    Harness h;
    std::filesystem::copy_file(media.tone(), media.folder() + "--loop=inf");
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(media.folder());
    h.player->setFileName("--loop=inf");
    const bool played = h.waitForState(PlayState::Playing);
    std::filesystem::current_path(cwd);
    ASSERT_TRUE(played);
    ASSERT_TRUE(h.waitForState(PlayState::Stopped));
}

TEST(MpvPlayer, SizesItselfToThePicturePlusItsPanels) {
    Media media;
    Harness h;
    auto pixels = [&] {
        return std::make_pair(TwipsToPixels(h.player->width()), TwipsToPixels(h.player->height()));
    };
    h.player->setFileName(media.clip());
    ASSERT_TRUE(h.waitForState(PlayState::Playing));
    h.player->setDisplaySize(DisplaySize::Own);
    const auto [w0, h0] = pixels();
    EXPECT_EQ(w0, 320);
    const int bars = h0 - 240;
    EXPECT_GT(bars, 20);
    h.player->setDisplaySize(DisplaySize::Double);
    EXPECT_EQ(pixels(), std::make_pair(640, 480 + bars));
    h.player->setShowClipInfo(true);
    const int panel = pixels().second - (480 + bars);
    EXPECT_GT(panel, 20);
    h.player->setShowClipInfo(false);
    EXPECT_EQ(pixels(), std::make_pair(640, 480 + bars));

    // Fit: the window sets the size.
    h.player->setDisplaySize(DisplaySize::Fit);
    h.player->setWidth(PixelsToTwips(500));
    h.player->setHeight(PixelsToTwips(300));
    EXPECT_EQ(pixels(), std::make_pair(500, 300));

    // Full screen reads 3 while it lasts; a size choice ends it.
    h.player->setDisplaySize(DisplaySize::FullScreen);
    EXPECT_EQ(h.player->displaySize(), DisplaySize::FullScreen);
    h.player->setDisplaySize(DisplaySize::Own);
    EXPECT_EQ(h.player->displaySize(), DisplaySize::Own);
    EXPECT_EQ(pixels(), std::make_pair(w0, h0));

    // Sound alone: the bar only, and no full screen.
    h.player->setFileName(media.tone());
    ASSERT_TRUE(WaitFor([&] { return h.player->duration() > 0.9; }));
    EXPECT_EQ(pixels().second, bars);
    h.player->setDisplaySize(DisplaySize::FullScreen);
    EXPECT_EQ(h.player->displaySize(), DisplaySize::Own);
}

}  // namespace
}  // namespace zuk::test
