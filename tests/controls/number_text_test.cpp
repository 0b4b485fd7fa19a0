#include <gtest/gtest.h>

#include <clocale>

#include "controls/number_text.h"
#include "playback/sound_speed.h"

namespace zuk {
namespace {

TEST(NumberText, ReadsTheLeadingNumberWithAPoint) {
    struct Case {
        const char* text;
        double value;
        bool whole;
    } cases[] = {
        {"12", 12, true},    {" 2.5 ", 2.5, true},  {"-30", -30, true}, {"+5", 5, true},
        {"1e3", 1000, true}, {"3abc", 3, false},    {"abc", 0, false},  {"", 0, false},
        {".5", 0.5, true},   {"1.2.3", 1.2, false}, {"-", 0, false},    {"1,5", 1, false},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
        EXPECT_EQ(IsNumber(c.text), c.whole) << c.text;
    }
}

TEST(NumberText, SpeedTextUsesAPointInEveryLocale) {
    // A locale with a decimal comma must not change how the speed is written or read back.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(FormatTenths(2), "0.2");
    EXPECT_EQ(FormatTenths(10), "1");
    EXPECT_EQ(FormatTenths(15), "1.5");
    EXPECT_EQ(FormatTenths(22), "2.2");
    EXPECT_DOUBLE_EQ(LeadingNumber(FormatTenths(9)), 0.9);
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace zuk
