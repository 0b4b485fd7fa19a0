#include <gtest/gtest.h>

#include "support/program_fixture.h"

namespace zuk {
namespace {

struct SoundSpeed : ::testing::Test {
    test::ProgramFixture f;
    MainWindow& m() { return f.main(); }
    void SetUp() override { f.start(); }
};

TEST_F(SoundSpeed, SpeedReadOutRateAndMuteWhileSlow) {
    struct Case {
        int slider;
        bool muteOption;
        const char* readOut;
        double rate;
        int sound;
    } cases[] = {
        {2, false, "0.2", 0.2, 1},  {9, false, "0.9", 0.9, 1}, {10, false, "1", 1.0, 1},
        {22, false, "2.2", 2.2, 1}, {2, true, "0.2", 0.2, 0},  {9, true, "0.9", 0.9, 0},
        {10, true, "1", 1.0, 1},    {22, true, "2.2", 2.2, 1},
    };
    for (const Case& c : cases) {
        m().Slider1.setValue(15);
        m().Check4.setValue(1);
        m().mnuSetMute.setChecked(c.muteOption);
        m().Slider1.setValue(c.slider);
        EXPECT_EQ(m().Label3.caption(), c.readOut) << c.slider;
        EXPECT_DOUBLE_EQ(f.player.rate, c.rate) << c.slider;
        EXPECT_EQ(m().Check4.value(), c.sound) << c.slider << (c.muteOption ? " mute option" : "");
        EXPECT_EQ(f.player.mute, c.sound == 0);
    }
}

TEST_F(SoundSpeed, MuteOptionTakesEffectWithinASecond) {
    m().Slider1.setValue(5);
    m().mnuSetMute.click();
    EXPECT_EQ(m().Check4.value(), 1);  // the click only sets the mark
    f.clock.advance(1000);             // the next Timer1 tick applies it
    EXPECT_EQ(m().Check4.value(), 0);
    EXPECT_TRUE(f.player.mute);
    m().Command1.click();  // back to normal speed does not bring the sound back
    EXPECT_EQ(m().Label3.caption(), "1");
    EXPECT_EQ(m().Check4.value(), 0);
}

TEST_F(SoundSpeed, VolumeAndBalanceReadOutsAtTheEdges) {
    struct Volume {
        int value;
        const char* readOut;
    } volumes[] = {{0, "100%"}, {-13, "99%"}, {-2475, "1%"}, {-2500, "0%"}, {-3000, "0%"}};
    for (const Volume& v : volumes) {
        m().Slider3.setValue(v.value);
        EXPECT_EQ(m().Label7.caption(), v.readOut) << v.value;
        EXPECT_EQ(f.player.volume, std::max(v.value, -2500));
        EXPECT_FALSE(f.player.mute);  // the lowest volume is still not mute
    }
    struct Balance {
        int value;
        const char* readOut;
    } balances[] = {{-49, "0%"},      {-50, "-1%"}, {5000, "100%"},
                    {-5000, "-100%"}, {49, "0%"},   {9999, "100%"}};
    for (const Balance& b : balances) {
        m().Slider2.setValue(b.value);
        EXPECT_EQ(m().Label8.caption(), b.readOut) << b.value;
    }
    m().Label6.click();
    EXPECT_EQ(m().Slider2.value(), 0);
    EXPECT_EQ(m().Label8.caption(), "0%");
    EXPECT_EQ(f.player.balance, 0);
}

TEST_F(SoundSpeed, SoundSwitchMutesAndRestoresTheVolume) {
    m().Slider3.setValue(-700);
    f.player.log.clear();
    m().Check4.setValue(0);
    EXPECT_EQ(f.player.log, std::vector<std::string>{"setMute 1"});
    EXPECT_EQ(m().Slider3.value(), -700);
    EXPECT_EQ(m().Label7.caption(), "72%");
    f.player.log.clear();
    m().Check4.setValue(1);
    EXPECT_EQ(f.player.log, (std::vector<std::string>{"setMute 0", "setVolume -700"}));
    m().Check4.setValue(0);
    m().Slider3.setValue(-600);  // moving the volume turns the sound back on
    EXPECT_EQ(m().Check4.value(), 1);
    EXPECT_FALSE(f.player.mute);
}

}  // namespace
}  // namespace zuk
