#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "playlist/adding_entries.h"
#include "playlist/folder_walk.h"
#include "support/program_fixture.h"
#include "support/unprivileged.h"

namespace zuk {
namespace {

using Entries = std::vector<std::string>;

Entries Paths(const std::vector<FolderListing>& folders) {
    Entries paths;
    for (const FolderListing& f : folders) paths.push_back(f.path);
    return paths;
}

struct Adding : ::testing::Test {
    test::ProgramFixture f;
    std::string root;
    void SetUp() override {
        f.start();
        root = f.dir.path() + "A";
    }
    void touch(const std::string& relative) { f.dir.write("A/" + relative, "x"); }
    const Entries& entries() { return f.list().List1.texts(); }
};

TEST_F(Adding, FoldersDepthFirstEachBeforeItsOwnInNameOrder) {
    touch("D/d.mp3");  // made first, listed after B
    touch("B/C/c.mp3");
    touch("B/b.mp3");
    touch("a.mp3");
    EXPECT_EQ(Paths(WalkFolders(root, 100)),
              (Entries{root, root + "/B", root + "/B/C", root + "/D"}));
    f.program->FoldaSet.Check1.setValue(1);
    DDadd(*f.program, root);
    EXPECT_EQ(entries(), (Entries{root + "/a.mp3", root + "/B/b.mp3", root + "/B/C/c.mp3",
                                  root + "/D/d.mp3"}));
    EXPECT_EQ(f.list().List2.texts(), (Entries{root, root + "/B", root + "/B/C", root + "/D"}));
    EXPECT_EQ(f.main().Check1.value(), 0);  // a folder does not switch list play on
    EXPECT_EQ(f.main().Label4.caption(), "/4");
}

TEST_F(Adding, FilesOfAFolderInNameOrderRegardlessOfCase) {
    for (const char* name : {"b.mp3", "A.MP3", "c.Mp3", ".hidden.wav", "skip.txt"}) touch(name);
    touch("sub/deeper.mp3");
    DDadd(*f.program, root);  // sub-folders off
    EXPECT_EQ(entries(),
              (Entries{root + "/.hidden.wav", root + "/A.MP3", root + "/b.mp3", root + "/c.Mp3"}));
}

TEST_F(Adding, PatternsFromTheExtensionList) {
    struct Case {
        Entries extensions;
        Entries added;
    } cases[] = {
        {{}, {"a.M3U", "b.mp3", "c.zul", "x..mp3"}},  // the defaults include list files
        {{"*"}, {"a.M3U", "b.mp3", "c.zul", "d.txt", "README", "x..mp3"}},
        {{".mp3"}, {"x..mp3"}},  // used as typed: "*..mp3"
        {{"txt", "mp3"}, {"b.mp3", "d.txt", "x..mp3"}},
    };
    for (const char* name : {"a.M3U", "b.mp3", "c.zul", "d.txt", "README", "x..mp3"}) touch(name);
    for (const Case& c : cases) {
        f.list().List1.clear();
        f.program->FoldaSet.List1.clear();
        for (const std::string& e : c.extensions) f.program->FoldaSet.List1.add(e);
        DDadd(*f.program, root);
        Entries expected;
        for (const std::string& name : c.added) expected.push_back(root + "/" + name);
        EXPECT_EQ(entries(), expected) << (c.extensions.empty() ? "defaults" : c.extensions[0]);
    }
}

TEST_F(Adding, ALinkBackToAnAncestorIsWalkedOnce) {
    touch("B/b.mp3");
    ASSERT_EQ(::symlink(root.c_str(), (root + "/B/loop").c_str()), 0);
    ASSERT_EQ(::symlink((root + "/B").c_str(), (root + "/C").c_str()), 0);  // a second way into B
    EXPECT_EQ(Paths(WalkFolders(root, 100)), (Entries{root, root + "/B"}));
}

TEST_F(Adding, AnUnreadableSubFolderIsSkippedAndTheRestAdded) {
    if (!test::IsRoot()) GTEST_SKIP() << "needs root to drop privileges";
    touch("B/b.mp3");
    touch("C/c.mp3");
    touch("C/D/d.mp3");
    ::chmod(f.dir.path().c_str(), 0755);
    ::chmod((root + "/C").c_str(), 0700);  // root's own: closed to the unprivileged user
    EXPECT_TRUE(test::RunUnprivileged([&] {
        Entries files;
        for (const FolderListing& folder : WalkFolders(root, 100))
            for (const std::string& name : folder.files)
                files.push_back(JoinFolder(folder.path, name));
        return files == Entries{root + "/B/b.mp3"};
    }));
}

TEST_F(Adding, DroppedListFilesAreReadOnlyWithTheExactExtension) {
    const std::string lower = f.dir.write("l.m3u", "/x.avi\r\n/y.avi\r\n");
    const std::string upper = f.dir.write("u.M3U", "/not/read.avi\r\n");
    f.list().onDrop({lower, upper, f.dir.file("nothing-here"), "/"});
    EXPECT_EQ(entries(), (Entries{"/x.avi", "/y.avi", upper}));
    EXPECT_EQ(f.main().Check1.value(), 1);
}

TEST_F(Adding, AddFileSwitchesListPlayOnAddFolderNot) {
    touch("a.mp3");
    f.dialogs.fileAnswers = {f.dir.file("A/a.mp3")};
    f.list().mnuAddFile.click();
    EXPECT_EQ(f.dialogs.openRequests.at(0).filter,
              "すべてのファイル (*.*)|*.*|"
              "TavrinMediaPlayer ファイル "
              "|*.wav;*.aif;*.aiff;*.snd;*.au;*.avi;*.mov;*.mpg;*.mpe;*.mpeg;*.dat;"
              "*.mp3;*.mp2;*.m3u;*.ra;*.rm;*.rv;*.ram;*.zul;*.wma;*.asf|"
              "Windows Media Audio ファイル (*.wma;*.asf)|*.wma;*.asf|"
              "AIFF ファイル (*.aif;*.aiff;*.snd)|*.aif;*.aiff;*.snd|"
              "AU ファイル (*.au;*.snd)|*.au;*.snd|"
              "AVI ファイル (*.avi)|*.avi|"
              "MOV ファイル (*.mov)|*.mov|"
              "MPEG Video ファイル (*.mpg;*.mpe;*.mpeg;*.dat)|*.mpg;*.mpe;*.mpeg;*.dat|"
              "MPEG Audio ファイル (*.mp3;*.mp2;*.m3u)|*.mp3;*.mp2;*.m3u|"
              "Real ファイル (*.ra;*.rm;*.rv;*.ram)|*.ra;*.rm;*.rv;*.ram|"
              "Tavrin MediaPlayer リストファイル (*.zul)|*.zul");
    EXPECT_EQ(f.dialogs.openRequests.at(0).filterIndex, 2);
    EXPECT_EQ(f.main().Check1.value(), 1);
    f.main().Check1.setValue(0);
    f.dialogs.folderAnswers = {root, std::nullopt};
    f.list().mnuAddFolda.click();
    EXPECT_EQ(f.dialogs.folderTitles.at(0), "ﾌｫﾙﾀﾞを選択してください");
    EXPECT_EQ(entries(), (Entries{root + "/a.mp3", root + "/a.mp3"}));
    EXPECT_EQ(f.main().Check1.value(), 0);
    f.list().mnuAddFolda.click();  // Cancel
    EXPECT_EQ(entries().size(), 2u);
}

TEST_F(Adding, AFullListTakesWhatFitsAndStops) {
    for (int i = 0; i < 20; ++i) touch("f" + std::to_string(i + 10) + ".mp3");
    f.list().List1.addMany(Entries(ListBox::kMaxEntries - 5, "/old.avi"));
    DDadd(*f.program, root);
    EXPECT_EQ(f.list().List1.count(), ListBox::kMaxEntries);
    EXPECT_EQ(f.list().List1.text(ListBox::kMaxEntries - 1), root + "/f14.mp3");
}

TEST(FolderWalk, JoinsWithoutADoubledSlashAndStripsNul) {
    EXPECT_EQ(JoinFolder("/", "a.mp3"), "/a.mp3");
    EXPECT_EQ(JoinFolder("/m", "a.mp3"), "/m/a.mp3");
    EXPECT_EQ(StripNul(std::string_view("ab\0cd", 5)), "ab");
    EXPECT_TRUE(FilePatterns("*.wav;*.mp3").matches("Song.MP3"));
    EXPECT_TRUE(FilePatterns("*.*").matches("README"));
    EXPECT_TRUE(FilePatterns("a?.mp3").matches("a1.mp3"));
    EXPECT_FALSE(FilePatterns("a?.mp3").matches("a12.mp3"));
    EXPECT_FALSE(FilePatterns("*.mp3").matches("a.mp3x"));
    EXPECT_TRUE(FilePatterns("*a*b").matches("xaxxb"));
    EXPECT_TRUE(WalkFolders("/no/such/folder", 10).empty());
}

struct FoldaSet : ::testing::Test {
    test::ProgramFixture f;
    FoldaSetWindow& w() { return f.program->FoldaSet; }
    void SetUp() override {
        f.start();
        w().List1.clear();
    }
};

TEST_F(FoldaSet, AddEditAndDeleteExtensions) {
    w().Text1.enter();  // empty: nothing
    EXPECT_TRUE(w().List1.empty());
    w().Text1.setText("mp3");
    w().Command1.click();
    w().Text1.enter();
    w().Text1.setText("wav");
    w().Command1.click();
    EXPECT_EQ(w().List1.texts(), (Entries{"mp3", "mp3", "wav"}));
    EXPECT_EQ(w().Text1.text(), "wav");

    w().Command2.click();  // nothing selected: the text stays
    EXPECT_EQ(w().Text1.text(), "wav");
    w().List1.setSelected(0, true);
    w().List1.doubleClick();
    EXPECT_EQ(w().Text1.text(), "mp3");

    w().List1.setSelected(0, false);
    w().List1.setSelected(1, true);
    w().Command3.click();  // from the middle: the next one is selected
    EXPECT_EQ(w().List1.texts(), (Entries{"mp3", "wav"}));
    EXPECT_EQ(w().List1.firstSelected(), 1);
    w().Command3.click();  // the last: nothing selected afterwards
    EXPECT_EQ(w().List1.texts(), Entries{"mp3"});
    EXPECT_EQ(w().List1.firstSelected(), -1);
}

TEST_F(FoldaSet, OkAndTheCloseBoxOnlyHide) {
    f.list().mnuAddFoldaSet.click();
    EXPECT_TRUE(w().visible());
    w().Command4.click();
    EXPECT_FALSE(w().visible());
    f.list().mnuAddFoldaSet.click();
    EXPECT_FALSE(w().requestClose());
    EXPECT_FALSE(w().visible());
    EXPECT_FALSE(w().closed());
}

}  // namespace
}  // namespace zuk
