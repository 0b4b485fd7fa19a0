#include <gtest/gtest.h>

#include <set>

#include "playback/open_media.h"
#include "playback/play_sequencing.h"
#include "support/program_fixture.h"

namespace zuk {
namespace {

// A list of n clips (names the wrapper leaves alone unless wav is asked for), with list play on
// and the first entry playing.
struct Sequencing : ::testing::Test {
    test::ProgramFixture f;

    void startList(int n, const char* extension = ".avi") {
        std::string zul;
        for (int i = 1; i <= n; ++i) zul += "/m/clip" + std::to_string(i) + extension + "\r\n";
        f.dir.write("zuk.zul", zul);
        f.start();
        f.main().Check1.setValue(1);
        OpenMedia(*f.program, f.list().List1.text(0));
        playing();
    }
    void playing() {
        f.player.length = 5.5;
        f.player.position = 0;
        f.player.raisePlayState(PlayState::Playing);
    }
    // The player reports the end of the file; a second later the next entry may start.
    void endOfFile() {
        f.player.position = f.player.length;
        f.player.raisePlayState(PlayState::Stopped);
        f.clock.advance(1000);
        playing();
    }
    std::string position() { return f.main().Text2.text(); }
};

TEST_F(Sequencing, PlaysAListThroughAndRepeatsItWithListRepeat) {
    startList(10);
    for (int entry = 2; entry <= 10; ++entry) {
        endOfFile();
        EXPECT_EQ(f.player.file, "/m/clip" + std::to_string(entry) + ".avi");
        EXPECT_EQ(position(), std::to_string(entry));
        EXPECT_TRUE(f.list().List1.selected(entry - 1));
        EXPECT_EQ(f.list().List1.firstSelected(), entry - 1);
    }
    endOfFile();  // list repeat is on by default
    EXPECT_EQ(f.player.file, "/m/clip1.avi");
    EXPECT_EQ(position(), "1");
}

TEST_F(Sequencing, WithoutListRepeatTheLastEntryEndsPlay) {
    startList(3);
    f.main().Check2.setValue(0);
    endOfFile();
    endOfFile();
    const std::size_t opened = f.player.calls("setFileName").size();
    endOfFile();
    f.clock.advance(5000);
    EXPECT_EQ(position(), "3");
    EXPECT_EQ(f.player.calls("setFileName").size(), opened);
}

TEST_F(Sequencing, RandomOrderReachesEveryEntryAndMayRepeat) {
    startList(3);
    f.main().Check5.setValue(1);
    f.program->Random.seed(7);
    std::set<std::string> seen;
    bool repeated = false;
    std::string last = f.player.file;
    for (int i = 0; i < 60; ++i) {
        endOfFile();
        seen.insert(f.player.file);
        repeated = repeated || f.player.file == last;
        last = f.player.file;
    }
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(repeated);
}

TEST_F(Sequencing, PreviousAtTheFirstEntryRestartsItAfterOneSecond) {
    startList(3);
    f.player.log.clear();
    f.main().Command4.click();
    f.clock.advance(999);
    EXPECT_TRUE(f.player.calls("setFileName").empty());
    f.clock.advance(1);
    EXPECT_EQ(f.player.calls("setFileName"), std::vector<std::string>{"setFileName /m/clip1.avi"});
    EXPECT_TRUE(f.main().ScreenTime.enabled());
}

TEST_F(Sequencing, EveryWriteOfThePositionPostponesTheStart) {
    startList(3);
    f.player.log.clear();
    f.main().Command5.click();
    f.clock.advance(600);
    f.main().Command5.click();  // 3 now; the count starts again
    f.clock.advance(600);
    EXPECT_TRUE(f.player.calls("setFileName").empty());
    f.clock.advance(400);
    EXPECT_EQ(f.player.file, "/m/clip3.avi");
}

TEST_F(Sequencing, APositionThatNamesNoEntryStartsNothing) {
    startList(2);
    f.list().List1.clear();  // the list emptied behind the position
    f.player.log.clear();
    f.main().Command5.click();
    f.clock.advance(3000);
    EXPECT_TRUE(f.player.calls("setFileName").empty());
    EXPECT_FALSE(f.main().Timer2.enabled());
}

TEST_F(Sequencing, AWrappedFileEndsLikeAnyOther) {
    startList(2, ".mp3");
    EXPECT_EQ(f.player.file, f.runtime + "zuk/zuk1.asx");
    f.player.raiseOpenState();
    EXPECT_EQ(f.main().caption(), "/m/clip1.mp3 - Tavrin MediaPlayer");
    endOfFile();
    EXPECT_EQ(f.player.file, f.runtime + "zuk/zuk2.asx");
    EXPECT_EQ(f.program->WrappedFile, "/m/clip2.mp3");
}

TEST_F(Sequencing, SectionEndMarkerAdvancesLikeTheEndOfAFile) {
    startList(3);
    PlayStateChange(*f.program, PlayState::SectionEnd, PlayState::Playing);
    f.clock.advance(1000);
    EXPECT_EQ(f.player.file, "/m/clip2.avi");
}

TEST_F(Sequencing, PlayCountOptions) {
    f.start();
    MainWindow& m = f.main();
    struct Step {
        std::function<void()> act;
        std::vector<std::string> written;
    } steps[] = {
        {[&] { m.Text1.setText("3"); }, {"setPlayCount 3"}},
        {[&] { m.Text1.setText("0"); }, {}},  // 0 typed: nothing
        {[&] { m.Text1.setText(""); }, {}},
        {[&] { m.Option4.setValue(true); }, {"setPlayCount 0"}},  // endless
        {[&] { m.Text1.setText("12"); }, {"setPlayCount 12"}},
        {[&] { m.Text1.setText("0"); }, {}},
        {[&] { m.Option3.setValue(true); }, {"setPlayCount 0"}},  // 0 selected: endless
        {[&] { m.Option4.setValue(true); }, {"setPlayCount 0"}},
        {[&] { m.Text1.setText("x"); }, {}},
        {[&] { m.Option3.setValue(true); }, {}},  // not a number: nothing
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        f.player.log.clear();
        steps[i].act();
        EXPECT_EQ(f.player.calls("setPlayCount"), steps[i].written) << "step " << i;
    }
    EXPECT_TRUE(m.Text1.enabled());
    EXPECT_FALSE(m.Text1.acceptsKey(U'a'));
    EXPECT_TRUE(m.Text1.acceptsKey(U'7'));
    EXPECT_FALSE(m.Text2.acceptsKey(U'7'));
}

TEST_F(Sequencing, EndlessPlayKeepsOneFileAndListPlaySelectsTheCount) {
    f.dir.write("zuk.zul", "/m/a.avi\r\n");
    f.start();
    f.main().Option4.setValue(true);
    f.main().Check1.setValue(1);  // list play selects the counted option again
    EXPECT_TRUE(f.main().Option3.value());
    EXPECT_TRUE(f.main().Check2.enabled());
    f.main().Check1.setValue(0);
    EXPECT_FALSE(f.main().Command5.enabled());
}

TEST_F(Sequencing, SynchronisationMovesTheListSliderAndFollowsFullScreen) {
    startList(2);
    f.main().mnuFileListshow.click();  // shows the list: Timer1 at 50 ms
    f.player.length = 125.7;
    f.player.position = 61.6;
    f.clock.advance(50);
    EXPECT_EQ(f.list().Slider1.range().max, 125);
    EXPECT_EQ(f.list().Slider1.value(), 61);

    f.player.size = DisplaySize::FullScreen;
    f.clock.advance(50);
    EXPECT_EQ(f.main().Check3.value(), 1);
    f.player.size = DisplaySize::Own;
    f.player.position = 1.2;  // within the first 1.5 seconds the box stays
    f.clock.advance(50);
    EXPECT_EQ(f.main().Check3.value(), 1);
    f.player.position = 1.6;
    f.clock.advance(50);
    EXPECT_EQ(f.main().Check3.value(), 0);
}

TEST_F(Sequencing, PlayStateFitsTheWindowAroundThePicture) {
    f.start();
    struct Case {
        double playerHeight;
        int windowHeight;
        double top;
    } cases[] = {{3000, 5910, 1055}, {3255, 5910, 927.5}, {5110, 5910, 0}, {5200, 6000, 0}};
    for (const Case& c : cases) {
        f.player.heightTwips = c.playerHeight;
        f.player.widthTwips = 4800;
        f.player.raisePlayState(PlayState::Playing);
        EXPECT_EQ(f.main().height(), c.windowHeight) << c.playerHeight;
        EXPECT_DOUBLE_EQ(f.player.topTwips, c.top) << c.playerHeight;
        EXPECT_EQ(f.main().width(), 6600);
        EXPECT_EQ(f.player.size, DisplaySize::Own);
    }
    f.main().Option2.setValue(true);
    f.player.raiseReady();
    EXPECT_EQ(f.player.size, DisplaySize::Double);
}

}  // namespace
}  // namespace zuk
