#include <gtest/gtest.h>

#include "support/program_fixture.h"

namespace zuk {
namespace {

TEST(About, FollowsAlwaysOnTopAndOpensItsLinks) {
    test::ProgramFixture f;
    f.start();
    HelpWindow& help = f.program->Help;
    f.main().mnuHelpVer.click();
    EXPECT_TRUE(help.visible());
    ASSERT_EQ(f.windowOps.topMost.size(), 1u);
    EXPECT_EQ(f.windowOps.topMost[0].window, &help);
    EXPECT_EQ(f.windowOps.topMost[0].flag, 0);

    help.Label3.setCaption("https://example.org/other");  // the caption is the target
    help.Label3.click();
    help.Label4.click();
    EXPECT_EQ(f.shell.urls,
              (std::vector<std::string>{"https://example.org/other", "mailto:zuk@example.org"}));
    EXPECT_TRUE(help.visible());

    help.Label2.click();  // closes for good...
    EXPECT_TRUE(help.closed());
    f.main().mnuSetTemae.click();
    f.main().mnuHelpVer.click();  // ...and comes anew, on top now
    EXPECT_FALSE(help.closed());
    EXPECT_TRUE(help.visible());
    EXPECT_EQ(f.windowOps.topMost.back().window, &help);
    EXPECT_EQ(f.windowOps.topMost.back().flag, 1);
    run(help.onSurfaceClick);
    EXPECT_TRUE(help.closed());
}

}  // namespace
}  // namespace zuk
