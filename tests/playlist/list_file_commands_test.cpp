#include <gtest/gtest.h>
#include <sys/stat.h>

#include "playlist/list_file_commands.h"
#include "playlist/list_fixture.h"

namespace zuk {
namespace {

using test::Entries;
using test::ListFixture;

TEST(ListFileCommands, LoadReplacesTheListByTheEntryReadingRule) {
    ListFixture t({"/m/old.avi"});
    t.f.main().Text2.setText("7");
    // An extended M3U with a quoted path, a comma inside a path and no CR LF after its last line.
    const std::string file = t.f.dir.write("mix.m3u",
                                           "#EXTM3U\r\n#EXTINF:215,Artist - Title\r\n\"/m/a, "
                                           "b.mp3\"\r\n/m/x,y/z.mp3\r\n\r\n/m/last.avi");
    t.f.dialogs.fileAnswers.push_back(file);
    t.w.mnuListLoad.click();

    ASSERT_EQ(t.f.dialogs.openRequests.size(), 1u);
    const FileDialogRequest& request = t.f.dialogs.openRequests[0];
    EXPECT_EQ(request.filter,
              "すべてのファイル (*.*)|*.*|Tavrin MediaPlayer リストファイル (*.zul)|*.zul|"
              "MPEG Audio リストファイル (*.m3u)|*.m3u");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.title, "");
    EXPECT_EQ(t.list.texts(), (Entries{"#EXTM3U", "#EXTINF:215", "Artist - Title", "/m/a, b.mp3",
                                       "/m/x", "y/z.mp3", "", "/m/last.avi"}));
    EXPECT_EQ(t.f.main().Check1.value(), 1);
    EXPECT_EQ(t.f.main().Label4.caption(), "/8");
    EXPECT_EQ(t.f.main().Text2.text(), "7");
    EXPECT_TRUE(t.f.player.calls("setFileName").empty());
}

TEST(ListFileCommands, LoadThatFailsEndsQuietly) {
    ListFixture t({"/m/old.avi"});
    t.w.mnuListLoad.click();  // Cancel: nothing changes
    EXPECT_EQ(t.list.texts(), (Entries{"/m/old.avi"}));
    EXPECT_EQ(t.f.main().Check1.value(), 0);

    // A file that cannot be read: the list was already cleared; list play and the count
    // display are left as they were.
    t.f.dialogs.fileAnswers.push_back(t.f.dir.file("missing.zul"));
    t.w.mnuListLoad.click();
    EXPECT_TRUE(t.list.empty());
    EXPECT_EQ(t.f.main().Check1.value(), 0);
    EXPECT_EQ(t.f.main().Label4.caption(), "/1");
    EXPECT_TRUE(t.f.dialogs.messages.empty());
}

TEST(ListFileCommands, SaveWritesEveryEntryWithCrLf) {
    ListFixture t({"/m/曲.mp3", "", "/m/a,b/c.avi"});
    t.f.dialogs.fileAnswers.push_back(t.f.dir.file("out"));  // no extension is added
    t.w.mnuListSave.click();
    ASSERT_EQ(t.f.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(t.f.dialogs.saveRequests[0].filter,
              "Tavrin MediaPlayer リストファイル (*.zul)|*.zul");
    EXPECT_EQ(t.f.dialogs.saveRequests[0].filterIndex, 1);
    EXPECT_EQ(t.f.dir.read("out"), "/m/曲.mp3\r\n\r\n/m/a,b/c.avi\r\n");

    // The comma splits the entry when the list comes back.
    t.f.dialogs.fileAnswers.push_back(t.f.dir.file("out"));
    t.w.mnuListLoad.click();
    EXPECT_EQ(t.list.texts(), (Entries{"/m/曲.mp3", "", "/m/a", "b/c.avi"}));

    t.w.mnuListNew.click();
    EXPECT_TRUE(t.list.empty());
    EXPECT_EQ(t.f.main().Label4.caption(), "/0");
    t.f.dialogs.fileAnswers.push_back(t.f.dir.file("out"));
    t.w.mnuListSave.click();
    EXPECT_EQ(t.f.dir.read("out"), "");
}

TEST(ListFileCommands, SaveThatFailsKeepsTheListAndTheOldFile) {
    ListFixture t({"/m/a.avi"});
    t.w.mnuListSave.click();  // Cancel
    t.f.dialogs.fileAnswers.push_back(t.f.dir.file("no/such/folder/l.zul"));
    t.w.mnuListSave.click();
    EXPECT_EQ(t.list.texts(), (Entries{"/m/a.avi"}));
    EXPECT_EQ(t.f.dialogs.saveRequests.size(), 2u);
    EXPECT_TRUE(t.f.dialogs.messages.empty());
}

}  // namespace
}  // namespace zuk
