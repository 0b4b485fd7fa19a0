#include <gtest/gtest.h>

#include "playlist/list_commands.h"
#include "remote/remote_commands.h"
#include "support/program_fixture.h"

namespace zuk {
namespace {

struct Remote : ::testing::Test {
    test::ProgramFixture f;
    RemoteWindow& r() { return f.program->Remote; }
    void SetUp() override {
        f.start();
        f.player.length = 60;
        f.player.state = PlayState::Playing;
    }
};

TEST_F(Remote, SkipsByTheCaptionButNeverBackToOrBeforeTheStart) {
    struct Case {
        double position;
        int button;
        double after;
    } cases[] = {{3.0, 4, 3.0}, {5.5, 4, 0.5}, {0, 0, 5.0}, {58, 3, 88}, {10, 7, 10}, {31, 7, 1}};
    for (const Case& c : cases) {
        f.player.position = c.position;
        r().Command1[c.button].click();
        EXPECT_DOUBLE_EQ(f.player.position, c.after)
            << c.position << " " << r().Command1[c.button].caption();
    }
}

TEST_F(Remote, CtrlClickChangesTheStepAsTyped) {
    f.dialogs.inputAnswers = {"2.5", "abc", "", "100000"};
    Button& ten = r().Command1[1];
    EXPECT_TRUE(ten.mouseDown({.ctrl = true}));
    ASSERT_EQ(f.dialogs.inputs.size(), 1u);
    EXPECT_EQ(f.dialogs.inputs[0].title, "Tavrin MediaPlayer - 早送り・巻戻しの設定");
    EXPECT_EQ(f.dialogs.inputs[0].prompt,
              "早送り・巻戻しの間隔を入力してください。(秒)\r\n"
              "(-32768から32767までで指定してください。負は巻戻しです。)");
    EXPECT_EQ(f.dialogs.inputs[0].defaultText, "10");
    EXPECT_EQ(ten.caption(), "2.5");
    f.player.position = 1;
    ten.click();
    EXPECT_DOUBLE_EQ(f.player.position, 3.5);

    ten.mouseDown({.ctrl = true});  // letters
    ten.mouseDown({.ctrl = true});  // Cancel
    EXPECT_EQ(ten.caption(), "2.5");
    EXPECT_FALSE(ten.mouseDown({.shift = true, .ctrl = true}));  // acts as a plain click
    EXPECT_FALSE(ten.mouseDown({}));
    EXPECT_EQ(f.dialogs.inputs.size(), 3u);
    ten.mouseDown({.ctrl = true});
    EXPECT_EQ(ten.caption(), "100000");
}

TEST_F(Remote, WindowKeepsWithinItsSizeLimit) {
    r().resize(4000, 4000);
    EXPECT_EQ(r().width(), 2895);
    EXPECT_EQ(r().height(), 2820);
    r().resize(2000, 1500);
    EXPECT_EQ(r().width(), 2000);
}

TEST_F(Remote, SectionPlayJumpsToTheStartAndStopsAtTheEnd) {
    f.list().List1.addMany({"/m/a.avi", "/m/b.avi"});
    ListRefresh(*f.program);
    f.main().Check1.setValue(1);
    f.player.position = 5.256;
    r().Command2.click();
    EXPECT_EQ(r().Text1.text(), "5.26");
    f.player.position = 12;
    r().Command3.click();
    EXPECT_EQ(r().Text2.text(), "12.00");
    r().Check1.setValue(1);
    EXPECT_TRUE(r().Timer1.enabled());

    f.player.position = 0;
    f.clock.advance(10);
    EXPECT_DOUBLE_EQ(f.player.position, 5.26);
    f.player.position = 12.01;
    f.player.log.clear();
    f.clock.advance(10);
    ASSERT_GE(f.player.log.size(), 2u);
    EXPECT_EQ(f.player.log[0], "stop");
    EXPECT_EQ(f.player.log[1], "setCurrentPosition 12");
    EXPECT_EQ(f.main().Text2.text(), "2");  // the list moves on as at the end of a file
    f.clock.advance(1000);
    EXPECT_EQ(f.player.file, "/m/b.avi");

    r().Check2.setValue(1);  // repeat
    f.player.position = 12.02;
    f.clock.advance(10);
    EXPECT_DOUBLE_EQ(f.player.position, 5.26);
}

TEST_F(Remote, InvalidSectionsDoNothing) {
    r().Check1.setValue(1);
    struct Case {
        const char* start;
        const char* end;
    } cases[] = {{"0", "0"}, {"10", "5"}, {"5", "61"}, {"1.2.3", "9"}};
    for (const Case& c : cases) {
        r().Text1.setText(c.start);
        r().Text2.setText(c.end);
        f.player.position = 70;
        f.player.log.clear();
        f.clock.advance(30);
        EXPECT_TRUE(f.player.log.empty()) << c.start << " " << c.end;
    }
}

TEST_F(Remote, BoundsTakeDigitsAndAPointAndNeverStayEmpty) {
    EXPECT_TRUE(r().Text1.acceptsKey(U'7'));
    EXPECT_TRUE(r().Text1.acceptsKey(U'.'));
    EXPECT_FALSE(r().Text2.acceptsKey(U'a'));
    r().Text2.setText("");
    EXPECT_EQ(r().Text2.text(), "0");
    EXPECT_EQ(FormatSectionBound(125.5), "125.50");
    EXPECT_EQ(FormatSectionBound(0), "0.00");
}

TEST_F(Remote, ClosingHidesAndUnchecksTheMenu) {
    f.main().mnuSetRemote.click();
    EXPECT_TRUE(r().visible());
    EXPECT_FALSE(r().requestClose());
    EXPECT_FALSE(r().visible());
    EXPECT_FALSE(f.main().mnuSetRemote.checked());
    f.main().mnuSetRemote.click();
    EXPECT_TRUE(r().visible());
}

}  // namespace
}  // namespace zuk
