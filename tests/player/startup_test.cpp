#include <gtest/gtest.h>

#include "player/startup.h"
#include "support/program_fixture.h"

namespace zuk {
namespace {

using test::ProgramFixture;
using Entries = std::vector<std::string>;

TEST(Startup, WithoutFilesStartsEmptyWithDefaults) {
    ProgramFixture f;
    f.start();
    const MainWindow& m = f.main();
    EXPECT_TRUE(f.list().List1.empty());
    EXPECT_EQ(m.Label4.caption(), "/0");
    EXPECT_EQ(m.Text2.text(), "1");
    EXPECT_EQ(f.program->FoldaSet.List1.count(), 19);
    EXPECT_EQ(f.program->FoldaSet.List1.text(0), "wav");
    EXPECT_EQ(f.program->FoldaSet.List1.text(18), "asf");
    EXPECT_EQ(m.width(), 2760);
    EXPECT_EQ(m.height(), 660);
    EXPECT_FALSE(m.Frame1.visible());
    EXPECT_TRUE(m.visible());
    EXPECT_FALSE(f.list().visible());
    EXPECT_FALSE(f.program->Remote.visible());
    EXPECT_FALSE(f.program->FoldaSet.visible());
    EXPECT_EQ(f.player.topTwips, 0);
    EXPECT_FALSE(f.player.clipInfo);
    EXPECT_TRUE(m.TopMostPending);
}

TEST(Startup, DefaultPlaylistComesBackUnchangedAfterShutdown) {
    ProgramFixture f;
    const std::string zul = "/m/a.mp3\r\n/m/b c.wav\r\n/m/曲.avi\r\n";
    f.dir.write("zuk.zul", zul);
    f.start();
    EXPECT_EQ(f.list().List1.texts(), (Entries{"/m/a.mp3", "/m/b c.wav", "/m/曲.avi"}));
    EXPECT_EQ(f.main().Label4.caption(), "/3");
    f.main().mnuFileEnd.click();
    EXPECT_TRUE(f.main().closed());
    EXPECT_EQ(f.dir.read("zuk.zul"), zul);
}

TEST(Startup, EmptyPlaylistIsSavedAsAnEmptyFile) {
    ProgramFixture f;
    f.start();
    f.main().requestClose();
    EXPECT_EQ(f.dir.read("zuk.zul"), "");
}

TEST(Startup, ShiftHeldAtShutdownKeepsTheOldPlaylist) {
    ProgramFixture f;
    f.dir.write("zuk.zul", "/old.mp3\r\n");
    f.start();
    f.list().List1.add("/new.mp3");
    f.windowOps.shift = true;
    f.main().requestClose();
    EXPECT_EQ(f.dir.read("zuk.zul"), "/old.mp3\r\n");
}

TEST(Startup, ShutdownClosesEveryWindowForGood) {
    ProgramFixture f;
    f.start();
    f.main().mnuSetRemote.click();
    EXPECT_TRUE(f.program->Remote.visible());
    f.main().requestClose();
    EXPECT_TRUE(f.main().ShuttingDown);
    for (const Window* w : std::initializer_list<const Window*>{&f.list(), &f.program->Remote,
                                                                &f.program->FoldaSet, &f.main()})
        EXPECT_TRUE(w->closed());
    EXPECT_FALSE(f.main().mnuSetRemote.checked());  // the remote window's own close ran
}

TEST(Startup, CompanionWindowsOnlyHideWhileThePlayerRuns) {
    ProgramFixture f;
    f.start();
    f.main().mnuFileListshow.click();
    EXPECT_TRUE(f.list().visible());
    EXPECT_TRUE(f.main().mnuSetListshow.checked());
    EXPECT_EQ(f.main().Timer1.interval(), 50);
    EXPECT_FALSE(f.list().requestClose());
    EXPECT_FALSE(f.list().visible());
    EXPECT_FALSE(f.main().mnuFileListshow.checked());
    EXPECT_FALSE(f.main().mnuSetListshow.checked());
    f.program->FoldaSet.show();
    f.program->FoldaSet.Command4.click();
    EXPECT_FALSE(f.program->FoldaSet.visible());
    EXPECT_FALSE(f.program->FoldaSet.closed());
}

TEST(Startup, CommandLineReplacesTheDefaultPlaylist) {
    ProgramFixture f;
    f.dir.write("zuk.zul", "/old.mp3\r\n");
    f.start("\"/m/my song.avi\"");
    EXPECT_EQ(f.list().List1.texts(), (Entries{"\"/m/my song.avi\""}));
    EXPECT_EQ(f.player.file, "\"/m/my song.avi\"");
    EXPECT_EQ(f.main().Check1.value(), 1);
    f.main().requestClose();
    EXPECT_EQ(f.dir.read("zuk.zul"), "\"/m/my song.avi\"\r\n");
}

TEST(Startup, CommandLineListFileInAnyCase) {
    ProgramFixture f;
    const std::string list = f.dir.write("a.M3U", "/m/1.avi\r\n/m/2.avi\r\n");
    f.start(list);
    EXPECT_EQ(f.list().List1.texts(), (Entries{"/m/1.avi", "/m/2.avi"}));
    EXPECT_EQ(f.player.file, "/m/1.avi");
    EXPECT_EQ(f.main().Label4.caption(), "/2");
}

TEST(Startup, HostileDefaultPlaylistStartsNormallyAndKeepsWhatFits) {
    std::string zul = "\xFF\xFE/bad utf8\r\n";  // neither UTF-8 nor CP932
    zul += std::string("/with\0nul.mp3\r\n", 15);
    zul += "/" + std::string(1 << 20, 'x') + "\r\n";  // a 1 MB line
    for (int i = 0; i < 40000; ++i) zul += "/f" + std::to_string(i) + "\r\n";
    ProgramFixture f;
    f.dir.write("zuk.zul", zul);
    f.start();
    const ListBox& list = f.list().List1;
    ASSERT_EQ(list.count(), ListBox::kMaxEntries);
    EXPECT_EQ(list.text(0), "\xC3\xBF\xC3\xBE/bad utf8");
    EXPECT_EQ(list.text(1), std::string("/with\0nul.mp3", 13));
    EXPECT_EQ(list.text(2).size(), (1u << 20) + 1);
    EXPECT_EQ(f.main().Label4.caption(), "/32767");
}

}  // namespace
}  // namespace zuk
