#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>

#include "player/settings_file.h"
#include "support/program_fixture.h"
#include "support/unprivileged.h"

namespace zuk {
namespace {

using test::ProgramFixture;

const char* const kDefaultFile =
    "\"Option1.Value\",#TRUE#\r\n"
    "\"Option2.Value\",#FALSE#\r\n"
    "\"Option3.Value\",#TRUE#\r\n"
    "\"Text1.Text\",\"1\"\r\n"
    "\"Option4.Value\",#FALSE#\r\n"
    "\"Slider1.Value\",10\r\n"
    "\"mnuSetTemae.Checked\",#FALSE#\r\n"
    "\"mnuSetListshow.Checked\",#FALSE#\r\n"
    "\"mnuSetRemote.Checked\",#FALSE#\r\n"
    "\"mnuSetMute.Checked\",#FALSE#\r\n"
    "\"mnuSetClip.Checked\",#FALSE#\r\n"
    "\"Check4.Value\",1\r\n"
    "\"Slider3.Value\",0\r\n"
    "\"Slider2.Value\",0\r\n"
    "\"Check1.Value\",0\r\n"
    "\"Check2.Value\",1\r\n"
    "\"Check3.Value\",0\r\n"
    "\"Check5.Value\",0\r\n"
    "\"Remote.Command1(0).Caption\",\"5\"\r\n"
    "\"Remote.Command1(1).Caption\",\"10\"\r\n"
    "\"Remote.Command1(2).Caption\",\"15\"\r\n"
    "\"Remote.Command1(3).Caption\",\"30\"\r\n"
    "\"Remote.Command1(4).Caption\",\"-5\"\r\n"
    "\"Remote.Command1(5).Caption\",\"-10\"\r\n"
    "\"Remote.Command1(6).Caption\",\"-15\"\r\n"
    "\"Remote.Command1(7).Caption\",\"-30\"\r\n"
    "\"Foldaset.Check1.Value\",0\r\n"
    "\"Foldaset.List1.List\",\"wav\"\r\n\"Foldaset.List1.List\",\"aif\"\r\n"
    "\"Foldaset.List1.List\",\"aiff\"\r\n\"Foldaset.List1.List\",\"snd\"\r\n"
    "\"Foldaset.List1.List\",\"au\"\r\n\"Foldaset.List1.List\",\"avi\"\r\n"
    "\"Foldaset.List1.List\",\"mov\"\r\n\"Foldaset.List1.List\",\"mpg\"\r\n"
    "\"Foldaset.List1.List\",\"mpe\"\r\n\"Foldaset.List1.List\",\"mpeg\"\r\n"
    "\"Foldaset.List1.List\",\"dat\"\r\n\"Foldaset.List1.List\",\"mp3\"\r\n"
    "\"Foldaset.List1.List\",\"mp2\"\r\n\"Foldaset.List1.List\",\"ra\"\r\n"
    "\"Foldaset.List1.List\",\"rm\"\r\n\"Foldaset.List1.List\",\"rv\"\r\n"
    "\"Foldaset.List1.List\",\"ram\"\r\n\"Foldaset.List1.List\",\"wma\"\r\n"
    "\"Foldaset.List1.List\",\"asf\"\r\n";

// Starts a program on a settings file, and gives the file it saves at shutdown.
struct Settings : ::testing::Test {
    ProgramFixture f;
    void startWith(const std::string& ini, const std::string& zul = {}) {
        if (!ini.empty()) f.dir.write("zuk.ini", ini);
        if (!zul.empty()) f.dir.write("zuk.zul", zul);
        f.start();
    }
    std::string saved() {
        f.main().requestClose();
        return f.dir.read("zuk.ini");
    }
    MainWindow& m() { return f.main(); }
};

TEST_F(Settings, UnchangedStartAndShutdownWritesTheDefaultsByteForByte) {
    startWith("");
    EXPECT_EQ(saved(), kDefaultFile);
}

TEST_F(Settings, ASavedFileReadsBackToTheSameState) {
    startWith(
        "\"Option2.Value\",#TRUE#\r\n\"Text1.Text\",\"3\"\r\n\"Slider1.Value\",5\r\n\"mnuSetMute."
        "Checked\",#TRUE#\r\n"
        "\"Slider3.Value\",-700\r\n\"Slider2.Value\",1500\r\n\"Check2.Value\",0\r\n\"Check5."
        "Value\",1\r\n"
        "\"Remote.Command1(1).Caption\",\"2.5\"\r\n\"Foldaset.Check1.Value\",1\r\n"
        "\"Foldaset.List1.List\",\"a,b\"\r\n\"Foldaset.List1.List\",\"mp3\"\r\n\"Foldaset.List1."
        "List\",\"mp3\"\r\n");
    EXPECT_TRUE(m().Option2.value());
    EXPECT_EQ(m().Label3.caption(), "0.5");
    EXPECT_EQ(m().Check4.value(), 0);  // slow with the mute option: start-up's speed handling mutes
    EXPECT_EQ(f.player.volume, -700);
    EXPECT_EQ(m().Label8.caption(), "30%");
    EXPECT_EQ(f.program->Remote.Command1[1].caption(), "2.5");
    EXPECT_EQ(f.program->FoldaSet.List1.texts(), (std::vector<std::string>{"a,b", "mp3", "mp3"}));
    const std::string first = saved();
    EXPECT_NE(first.find("\"Remote.Command1(1).Caption\",\"2.5\"\r\n"), std::string::npos);

    ProgramFixture again;
    again.dir.write("zuk.ini", first);
    again.start();
    again.main().requestClose();
    EXPECT_EQ(again.dir.read("zuk.ini"), first);
}

TEST_F(Settings, KeysIgnoreCaseAndApplyInFileOrder) {
    startWith(
        "\"Option2.Value\",#TRUE#\r\n\"option1.value\",#TRUE#\r\n\"SLIDER1.VALUE\",5\r\n\"Slider1."
        "Value\",15\r\n");
    EXPECT_TRUE(m().Option1.value());
    EXPECT_FALSE(m().Option2.value());
    EXPECT_EQ(m().Slider1.value(), 15);
}

TEST_F(Settings, ASingleVolumeRecordLeavesEverythingElse) {
    startWith("\"Slider3.Value\",-500\r\n");
    EXPECT_EQ(m().Slider3.value(), -500);
    EXPECT_EQ(f.player.volume, -500);
    EXPECT_EQ(m().Label7.caption(), "80%");
    EXPECT_EQ(f.program->FoldaSet.List1.count(), 19);
    const std::string file = saved();
    EXPECT_EQ(file.find("\"Slider3.Value\",-500\r\n"),
              std::string(kDefaultFile).find("\"Slider3.Value\",0\r\n"));
}

TEST_F(Settings, ListPlayAfterEndlessPlaySelectsTheCountedOption) {
    startWith("\"Option4.Value\",#TRUE#\r\n\"Check1.Value\",1\r\n", "/m/a.avi\r\n");
    EXPECT_TRUE(m().Option3.value());
    EXPECT_EQ(m().Check1.value(), 1);
    EXPECT_TRUE(m().Command5.enabled());
}

TEST_F(Settings, FullScreenSavedWithAlwaysOnTopStartsWithoutAlwaysOnTop) {
    startWith("\"mnuSetTemae.Checked\",#TRUE#\r\n\"Check3.Value\",1\r\n");
    EXPECT_FALSE(m().mnuSetTemae.checked());
    EXPECT_EQ(f.player.size, DisplaySize::FullScreen);
}

TEST_F(Settings, SliderValuesOutOfRangeAreClamped) {
    startWith("\"Slider1.Value\",99\r\n\"Slider3.Value\",-99999\r\n");
    EXPECT_EQ(m().Slider1.value(), 22);
    EXPECT_EQ(m().Slider3.value(), -2500);
}

TEST(SettingsBadInput, EachBadRecordIsSkippedAndTheRestKept) {
    const std::string good = "\"Slider3.Value\",-500\r\n";
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"fraction for an integer", "\"Slider1.Value\",2.5\r\n", ""},
        {"text for an integer", "\"Check2.Value\",\"yes\"\r\n", ""},
        {"boolean for an integer", "\"Check5.Value\",#TRUE#\r\n", ""},
        {"check box value out of 0 and 1", "\"Check5.Value\",7\r\n", ""},
        {"neither boolean", "\"Option2.Value\",maybe\r\n", ""},
        {"unknown key", "\"Unknown.Key\",1\r\n", ""},
        {"a 1 MB line", "\"Text1.Text\",\"" + std::string(1 << 20, '9') + "\"\r\n", ""},
        {"NUL bytes", std::string("\"Check5\0.Value\",1\r\n", 19), ""},
        {"invalid UTF-8", "\"Slider1.Value\",\xff\xfe\r\n", ""},
        {"blank lines", "\r\n\r\n", "\r\n"},
        {"ends between key and value", "", "\"Slider1.Value\""},
        {"huge number", "\"Slider2.Value\",1e300\r\n", ""},
    };
    for (const Case& c : cases) {
        ProgramFixture f;
        f.dir.write("zuk.ini", c.before + good + c.after);
        f.start();
        EXPECT_EQ(f.main().Slider3.value(), -500) << c.name;
        EXPECT_EQ(f.main().Slider1.value(), 10) << c.name;
        EXPECT_EQ(f.main().Slider2.value(), 0) << c.name;
        EXPECT_EQ(f.main().Check5.value(), 0) << c.name;
        EXPECT_FALSE(f.main().Option2.value()) << c.name;
    }
}

TEST(SettingsParse, FieldsAreTypedAsTheyStand) {
    const auto records = ParseSettings(
        "\"a\",#TRUE#\r\n\"b\", -12 \r\n\"c\",\"x,y\" junk\r\n\"d\",abc\r\n\"e\",\r\n");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(std::get<bool>(records[0].value.value), true);
    EXPECT_EQ(std::get<double>(records[1].value.value), -12);
    EXPECT_EQ(std::get<std::string>(records[2].value.value), "x,y");
    EXPECT_EQ(std::get<std::string>(records[3].value.value), "abc");
    EXPECT_EQ(std::get<std::string>(records[4].value.value), "");
}

TEST(SettingsFreeze, AReadOnlySettingsFileKeepsBothFiles) {
    if (!test::IsRoot()) GTEST_SKIP() << "needs root to drop privileges";
    ProgramFixture f;
    ::chmod(f.dir.path().c_str(), 0755);
    test::HandToUnprivileged(f.dir.path());
    test::HandToUnprivileged(f.dir.write("zuk.zul", "/old.avi\r\n"));
    const std::string ini = f.dir.write("zuk.ini", "\"Slider1.Value\",15\r\n");
    test::HandToUnprivileged(ini);
    ::chmod(ini.c_str(), 0444);
    f.start();
    f.list().List1.add("/new.avi");
    f.main().Slider1.setValue(3);
    EXPECT_TRUE(test::RunUnprivileged([&] {
        f.main().requestClose();
        return true;
    }));
    EXPECT_EQ(f.dir.read("zuk.ini"), "\"Slider1.Value\",15\r\n");
    EXPECT_EQ(f.dir.read("zuk.zul"), "/old.avi\r\n");
}

// The player killed at any moment of its shutdown leaves each file old or new, always whole.
TEST(SettingsFreeze, KilledDuringShutdownNeverLeavesAPartFile) {
    ProgramFixture f;
    std::string oldZul;
    for (int i = 0; i < 20000; ++i) oldZul += "/old/" + std::to_string(i) + ".avi\r\n";
    f.dir.write("zuk.zul", oldZul);
    f.dir.write("zuk.ini", kDefaultFile);
    f.start();
    f.main().Slider1.setValue(3);
    f.list().List1.add("/new.avi");
    const std::string newZul = oldZul + "/new.avi\r\n";
    const std::string newIni = [] {
        std::string s = kDefaultFile;
        return s.replace(s.find("\"Slider1.Value\",10"), 18, "\"Slider1.Value\",3");
    }();
    std::mt19937 random(1);
    int killed = 0;
    int mixed = 0;  // settings new, playlist still old: killed between the two renames
    for (int run = 0; run < 300; ++run) {
        const pid_t child = ::fork();
        if (child == 0) {
            f.main().requestClose();
            ::_exit(0);
        }
        ::usleep(std::uniform_int_distribution<int>(0, 15000)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        killed += WIFSIGNALED(status);
        const std::string ini = f.dir.read("zuk.ini");
        const std::string zul = f.dir.read("zuk.zul");
        ASSERT_TRUE(ini == kDefaultFile || ini == newIni) << "run " << run;
        ASSERT_TRUE(zul == oldZul || zul == newZul) << "run " << run;
        mixed += ini == newIni && zul == oldZul;
        f.dir.write("zuk.zul", oldZul);
        f.dir.write("zuk.ini", kDefaultFile);
    }
    std::printf("300 runs, %d killed before the end, %d between the two files\n", killed, mixed);
}

}  // namespace
}  // namespace zuk
