#include <gtest/gtest.h>

#include "playlist/list_commands.h"
#include "support/program_fixture.h"

namespace zuk {
namespace {

struct Layout : ::testing::Test {
    test::ProgramFixture f;
    MainWindow& m() { return f.main(); }
    void SetUp() override { f.start(); }
};

TEST_F(Layout, DoubleSizeWhileMaximisedRestoresAndFits) {
    m().setState(WindowState::Maximized);
    f.player.heightTwips = 5200;
    f.player.widthTwips = 4800;
    m().Check6.setValue(1);
    m().Option2.setValue(true);
    EXPECT_EQ(m().state(), WindowState::Normal);
    EXPECT_EQ(m().Check6.value(), 0);
    EXPECT_EQ(f.player.size, DisplaySize::Double);
    EXPECT_EQ(m().height(), 6000);
    EXPECT_EQ(m().width(), 6600);
}

TEST_F(Layout, FreeSizeMakesThePictureFollowTheWindow) {
    m().Check6.setValue(1);
    EXPECT_EQ(f.player.size, DisplaySize::Fit);
    struct Case {
        int width, height;
        double playerWidth, playerHeight;
    } cases[] = {{9000, 7000, 7200, 6250},
                 {1800, 7000, 7200, 6250},
                 {9000, 750, 7200, 6250},
                 {5000, 4000, 3200, 3250}};
    for (const Case& c : cases) {
        m().resize(c.width, c.height);
        EXPECT_EQ(f.player.widthTwips, c.playerWidth) << c.width << "x" << c.height;
        EXPECT_EQ(f.player.heightTwips, c.playerHeight) << c.width << "x" << c.height;
    }
    m().Check6.setValue(0);
    m().resize(6000, 6000);  // without free size the window leaves the picture alone
    EXPECT_EQ(f.player.widthTwips, 3200);
}

TEST_F(Layout, FullScreenTurnsAlwaysOnTopOffButLeavesTheRemote) {
    m().mnuFileListshow.click();
    m().mnuSetRemote.click();
    m().mnuSetTemae.click();
    ASSERT_TRUE(m().mnuSetTemae.checked());
    f.windowOps.topMost.clear();
    m().Check6.setValue(1);
    m().Check3.setValue(1);
    EXPECT_FALSE(m().mnuSetTemae.checked());
    EXPECT_EQ(m().Check6.value(), 0);
    EXPECT_EQ(f.player.size, DisplaySize::FullScreen);
    ASSERT_EQ(f.windowOps.topMost.size(), 2u);
    EXPECT_EQ(f.windowOps.topMost[0].window, &f.list());
    EXPECT_EQ(f.windowOps.topMost[0].flag, 0);
    EXPECT_EQ(f.windowOps.topMost[1].window, &m());
}

TEST_F(Layout, FullScreenComesBackAfterTheListAdvances) {
    f.list().List1.addMany({"/m/a.avi", "/m/b.avi"});
    ListRefresh(*f.program);
    m().Check1.setValue(1);
    m().Check3.setValue(1);
    f.player.size = DisplaySize::Own;  // the user left full screen
    m().Command5.click();
    f.clock.advance(1000);  // the next entry starts...
    EXPECT_EQ(f.player.file, "/m/b.avi");
    f.player.size = DisplaySize::Own;
    f.clock.advance(1500);  // ...and 1.5 seconds later full screen is back
    EXPECT_EQ(f.player.size, DisplaySize::FullScreen);
    EXPECT_FALSE(m().ScreenTime.enabled());
}

TEST_F(Layout, PendingAlwaysOnTopAppliesOnceAtTheFirstTick) {
    m().mnuSetTemae.setChecked(true);
    f.clock.advance(1000);
    ASSERT_EQ(f.windowOps.topMost.size(), 1u);
    EXPECT_EQ(f.windowOps.topMost[0].window, &m());
    EXPECT_EQ(f.windowOps.topMost[0].flag, 1);
    EXPECT_FALSE(m().TopMostPending);
    f.clock.advance(3000);
    EXPECT_EQ(f.windowOps.topMost.size(), 1u);
}

TEST_F(Layout, ClipPanelRefitsOnlyInTheNormalState) {
    f.player.heightTwips = 5300;
    m().mnuSetClip.click();
    EXPECT_TRUE(f.player.clipInfo);
    EXPECT_EQ(m().height(), 6100);
    m().setState(WindowState::Maximized);
    f.player.heightTwips = 6000;
    m().mnuSetClip.click();
    EXPECT_FALSE(f.player.clipInfo);
    EXPECT_EQ(m().height(), 6100);
}

}  // namespace
}  // namespace zuk
