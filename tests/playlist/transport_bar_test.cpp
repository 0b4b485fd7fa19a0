#include <gtest/gtest.h>

#include "playlist/list_fixture.h"
#include "playlist/transport_bar.h"

namespace zuk {
namespace {

using test::Entries;
using test::ListFixture;

const Entries kThree = {"/m/a.avi", "/m/b.avi", "/m/c.avi"};

TEST(TransportBar, PlayOpensOnlyWhatThePlayerDoesNotHold) {
    struct Case {
        const char* name;
        std::string file;  // what the player holds
        int state;
        bool reopened;
        bool played;
    } cases[] = {
        {"the entry, playing", "/m/b.avi", PlayState::Playing, false, false},
        {"the entry, paused", "/m/b.avi", PlayState::Paused, false, true},
        {"the entry, stopped", "/m/b.avi", PlayState::Stopped, false, true},
        {"the entry, but nothing open", "/m/b.avi", PlayState::Closed, true, false},
        {"another file, playing", "/m/a.avi", PlayState::Playing, true, false},
        {"another file, stopped", "/m/a.avi", PlayState::Stopped, true, true},
        {"the entry in another letter case", "/M/B.AVI", PlayState::Playing, true, false},
    };
    for (const Case& c : cases) {
        ListFixture t(kThree);
        t.select({0, 2});
        t.list.setCurrentIndex(1);
        t.f.player.file = c.file;
        t.f.player.state = c.state;
        t.w.Command5.click();
        EXPECT_EQ(t.f.player.calls("setFileName").size(), c.reopened ? 1u : 0u) << c.name;
        EXPECT_EQ(t.f.player.calls("play").size(), c.played ? 1u : 0u) << c.name;
        EXPECT_EQ(t.f.player.file, "/m/b.avi") << c.name;
        EXPECT_EQ(t.selected(), (std::vector<int>{1})) << c.name;
        EXPECT_EQ(t.f.main().Text2.text(), "2") << c.name;
        EXPECT_TRUE(t.f.main().ScreenTime.enabled()) << c.name;
    }
}

TEST(TransportBar, PlayOnAWrappedEntryReopensItAndMarksTheWrappedFile) {
    ListFixture t({"/m/x.avi", "/m/song.mp3", "/m/song.mp3"});
    t.list.setCurrentIndex(2);
    t.w.Command5.click();
    const std::string wrapper = t.f.runtime + "zuk/zuk1.asx";
    EXPECT_EQ(t.f.player.file, wrapper);
    t.f.player.state = PlayState::Playing;
    // The entry never equals the wrapper's name, so a second play opens it again.
    t.w.Command5.click();
    EXPECT_EQ(t.f.player.file, t.f.runtime + "zuk/zuk2.asx");
    EXPECT_EQ(t.f.player.calls("setFileName").size(), 2u);
    EXPECT_EQ(t.selected(), (std::vector<int>{1}));  // the first entry equal to the wrapped path
    EXPECT_EQ(t.f.main().Text2.text(), "2");
}

TEST(TransportBar, PlayWithoutAMatchingEntryPointsPastTheEnd) {
    ListFixture t(kThree);
    t.select({0});
    t.f.player.file = "/elsewhere.avi";
    t.f.player.state = PlayState::Paused;
    t.w.Command5.click();  // no current entry: the loaded file resumes
    EXPECT_EQ(t.f.player.calls("setFileName").size(), 0u);
    EXPECT_EQ(t.f.player.calls("play").size(), 1u);
    EXPECT_TRUE(t.selected().empty());
    EXPECT_EQ(t.f.main().Text2.text(), "4");

    ListFixture empty;
    empty.w.Command5.click();
    EXPECT_TRUE(empty.f.player.calls("setFileName").empty());
    EXPECT_EQ(empty.f.main().Text2.text(), "1");
}

TEST(TransportBar, PauseAndStopActOnlyWhilePlaying) {
    struct Case {
        int state;
        int afterPause;
        int afterStop;
    } cases[] = {
        {PlayState::Playing, PlayState::Paused, PlayState::Stopped},
        {PlayState::Paused, PlayState::Paused, PlayState::Paused},
        {PlayState::Stopped, PlayState::Stopped, PlayState::Stopped},
        {PlayState::Closed, PlayState::Closed, PlayState::Closed},
    };
    for (const Case& c : cases) {
        ListFixture t;
        t.f.player.state = c.state;
        t.w.Command6.click();
        EXPECT_EQ(t.f.player.state, c.afterPause) << c.state;
        t.f.player.state = c.state;
        t.w.Command7.click();
        EXPECT_EQ(t.f.player.state, c.afterStop) << c.state;
    }
}

TEST(TransportBar, LabelShowsTheSliderAsMinutesAndSeconds) {
    struct Case {
        int seconds;
        const char* text;
    } cases[] = {{0, "00:00"},   {59, "00:59"},    {60, "01:00"},
                 {125, "02:05"}, {6000, "100:00"}, {-61, "-01:01"}};
    for (const Case& c : cases) EXPECT_EQ(FormatSliderTime(c.seconds), c.text);
    ListFixture t;
    t.w.Slider1.setValue(125);
    EXPECT_EQ(t.w.Label1.caption(), "02:05");
}

TEST(TransportBar, SliderSeeksOnlyWhenTheMouseLetsGo) {
    ListFixture t;
    t.w.Slider1.setValue(30);  // the keyboard, or the main window's update: no seek
    EXPECT_TRUE(t.f.player.calls("setCurrentPosition").empty());
    t.w.Slider1.mouseDown();
    EXPECT_FALSE(t.w.SliderFollows);
    t.w.Slider1.setValue(42);
    EXPECT_TRUE(t.f.player.calls("setCurrentPosition").empty());
    t.w.Slider1.mouseUp();
    EXPECT_TRUE(t.w.SliderFollows);
    EXPECT_EQ(t.f.player.calls("setCurrentPosition"), (Entries{"setCurrentPosition 42"}));
    // Pressed and released without moving: seeks to the value it has.
    t.w.Slider1.mouseDown();
    t.w.Slider1.mouseUp();
    EXPECT_EQ(t.f.player.calls("setCurrentPosition").size(), 2u);
    EXPECT_EQ(t.f.player.position, 42);
}

}  // namespace
}  // namespace zuk
