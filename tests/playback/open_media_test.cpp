#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "playback/media_info.h"
#include "playback/open_commands.h"
#include "playback/open_media.h"
#include "support/program_fixture.h"

namespace zuk {
namespace {

using test::ProgramFixture;
using Entries = std::vector<std::string>;

TEST(OpenMedia, WrapsOnlyPathsThatNameWavOrMp3Audio) {
    struct Case {
        const char* path;
        bool wrapped;
    } cases[] = {
        {"/MP3/song.ogg", true},  {"/Music/TRACK.WAV", true}, {"/a/b.rmp", true},
        {"/video/clip.avi", false}, {"/a/wa v.mp4", false},   {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(NamesWrappedMedia(c.path), c.wrapped) << c.path;
}

TEST(OpenMedia, WrapperHasNineUnescapedLines) {
    const MediaInfo info{"曲 & <title>", "Artist", "", "a \"quoted\" comment"};
    EXPECT_EQ(AsxWrapperText(info, "/m/a&b <c> \"d\".mp3"),
              "<ASX version = \"3.0\">\r\n"
              "<title></title>\r\n"
              "<entry>\r\n"
              "<title>曲 & <title></title>\r\n"
              "<author>Artist</author>\r\n"
              "<copyright>a \"quoted\" comment</copyright>\r\n"
              "<Ref href = \"/m/a&b <c> \"d\".mp3\" />\r\n"
              "</entry>\r\n"
              "</asx>\r\n");
}

struct OpenFixture : ::testing::Test {
    ProgramFixture f;
    std::string asx() const { return f.runtime + "zuk/"; }
};

TEST_F(OpenFixture, WrapsAlternateBetweenTwoFiles) {
    f.start();
    OpenMedia(*f.program, "/m/one.mp3");
    EXPECT_EQ(f.player.file, asx() + "zuk1.asx");
    EXPECT_EQ(f.program->WrappedFile, "/m/one.mp3");
    EXPECT_EQ(f.program->AsxFolder, asx());
    EXPECT_NE(f.dir.read("run/zuk/zuk1.asx").find("<Ref href = \"/m/one.mp3\" />\r\n"), std::string::npos);
    OpenMedia(*f.program, "/m/two.wav");
    EXPECT_EQ(f.player.file, asx() + "zuk2.asx");
    OpenMedia(*f.program, "/m/three.mp3");
    EXPECT_EQ(f.player.file, asx() + "zuk1.asx");
    OpenMedia(*f.program, "/m/song1.asx");  // handed over as it is...
    EXPECT_EQ(f.player.file, "/m/song1.asx");
    OpenMedia(*f.program, "/m/four.mp3");  // ...and its name makes the next wrap the second file
    EXPECT_EQ(f.player.file, asx() + "zuk2.asx");
    EXPECT_EQ(f.player.calls("stop").size(), 4u);  // every wrap stops first
    EXPECT_EQ(f.program->WrappedFile, "/m/four.mp3");
}

TEST_F(OpenFixture, PlantedLinkIsReplacedNeverWrittenThrough) {
    f.start();
    const std::string victim = f.dir.write("victim.txt", "precious");
    std::filesystem::create_directories(asx());
    ASSERT_EQ(::symlink(victim.c_str(), (asx() + "zuk1.asx").c_str()), 0);
    OpenMedia(*f.program, "/m/one.mp3");
    EXPECT_EQ(f.dir.read("victim.txt"), "precious");
    EXPECT_EQ(f.player.file, asx() + "zuk1.asx");
    EXPECT_FALSE(std::filesystem::is_symlink(asx() + "zuk1.asx"));
}

TEST_F(OpenFixture, RefusedWrapperFolderPlaysTheFileItself) {
    f.start();
    const std::string elsewhere = f.dir.path() + "elsewhere";
    std::filesystem::create_directory(elsewhere);
    ASSERT_EQ(::symlink(elsewhere.c_str(), (f.runtime + "zuk").c_str()), 0);
    OpenMedia(*f.program, "/m/one.mp3");
    EXPECT_EQ(f.player.file, "/m/one.mp3");
    EXPECT_TRUE(std::filesystem::is_empty(elsewhere));
}

TEST_F(OpenFixture, OpenDialogAsksAndYesReplacesTheList) {
    f.dir.write("zuk.zul", "/old.avi\r\n");
    f.start();
    f.dialogs.fileAnswers = {"/m/new.avi", "/m/other.avi"};
    f.dialogs.messageAnswers = {MessageResult::Yes, MessageResult::No};

    f.main().mnuFileOpen.click();
    ASSERT_EQ(f.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.openRequests[0].filter, kMainOpenFilter);
    EXPECT_EQ(f.dialogs.openRequests[0].filterIndex, 2);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    const MessageRequest& q = f.dialogs.messages[0];
    EXPECT_EQ(q.text, "/m/new.avi をリストに追加しますか？");
    EXPECT_EQ(q.title, "ファイルを開く - Tavrin MediaPlayer");
    EXPECT_EQ(q.buttons, MessageButtons::YesNo);
    EXPECT_EQ(q.icon, MessageIcon::Question);
    EXPECT_EQ(q.defaultButton, MessageResult::No);
    EXPECT_EQ(f.list().List1.texts(), Entries{"/m/new.avi"});
    EXPECT_EQ(f.main().Check1.value(), 1);
    EXPECT_EQ(f.player.file, "/m/new.avi");
    EXPECT_EQ(f.main().Label4.caption(), "/1");

    f.main().mnuFileOpen.click();  // No: plays, list untouched
    EXPECT_EQ(f.player.file, "/m/other.avi");
    EXPECT_EQ(f.list().List1.texts(), Entries{"/m/new.avi"});

    f.main().mnuFileOpen.click();  // Cancel: nothing
    EXPECT_EQ(f.player.file, "/m/other.avi");
    EXPECT_EQ(f.dialogs.messages.size(), 2u);
}

TEST_F(OpenFixture, ListFilesFromTheDialogAppendWithoutPlaying) {
    f.dir.write("zuk.zul", "/old.avi\r\n");
    f.start();
    const std::string list = f.dir.write("l.ZUL", "/a.avi\r\n/b.avi\r\n");
    f.dialogs.fileAnswers = {list};
    f.main().mnuFileOpen.click();
    EXPECT_EQ(f.list().List1.texts(), (Entries{"/old.avi", "/a.avi", "/b.avi"}));
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.main().Check1.value(), 1);
    EXPECT_TRUE(f.player.calls("setFileName").empty());
    EXPECT_EQ(f.main().Label4.caption(), "/3");
}

TEST_F(OpenFixture, DropReplacesTheListAndPlaysTheFirstPath) {
    f.dir.write("zuk.zul", "/old.avi\r\n");
    f.start();
    const std::string a = f.dir.write("a.avi", "x");
    const std::string list = f.dir.write("l.m3u", "/x.avi\r\n/y.avi\r\n");
    const std::string upper = f.dir.write("u.M3U", "/not/read.avi\r\n");
    f.main().onDrop({a, list, upper, f.dir.file("missing.avi")});
    EXPECT_EQ(f.list().List1.texts(), (Entries{a, "/x.avi", "/y.avi", upper}));
    EXPECT_EQ(f.player.file, a);
    EXPECT_EQ(f.main().Check1.value(), 1);
    EXPECT_EQ(f.main().Label4.caption(), "/4");

    f.main().onDrop({});  // a drop without files changes nothing
    EXPECT_EQ(f.list().List1.count(), 4);
}

TEST_F(OpenFixture, OpenStateShowsTheControlsAndTitlesWithThePlayedPath) {
    f.start();
    OpenMedia(*f.program, "/Music/a.mp3");
    f.player.raiseOpenState();
    EXPECT_TRUE(f.main().Frame3.visible());
    EXPECT_TRUE(f.player.shown);
    EXPECT_EQ(f.main().caption(), "/Music/a.mp3 - Tavrin MediaPlayer");
    OpenMedia(*f.program, "/video/b.avi");
    f.player.raiseOpenState();
    EXPECT_EQ(f.main().caption(), "/video/b.avi - Tavrin MediaPlayer");
}

}  // namespace
}  // namespace zuk
