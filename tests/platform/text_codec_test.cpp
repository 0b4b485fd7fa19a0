#include <gtest/gtest.h>

#include "platform/text_codec.h"

namespace zuk {
namespace {

TEST(TextCodec, DecodesUtf8ThenCp932ThenLatin1) {
    struct Case {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"plain ascii", "plain ascii"},
        {"\xE6\x9B\xB2", "曲"},                            // valid UTF-8 stays
        {"\x8B\xC8\x96\xBC", "曲名"},                      // Shift_JIS
        {"\xB1\xB2\xB3", "ｱｲｳ"},                           // half-width katakana
        {"caf\xE9", "caf\xC3\xA9"},                        // neither: Latin-1
        {std::string("a\0b", 3), std::string("a\0b", 3)},  // NUL kept
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},      // a UTF-16 surrogate is not UTF-8
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeText(c.bytes), c.text) << c.bytes;
}

TEST(TextCodec, RejectsOverlongAndTruncatedSequences) {
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xE6\x9B"));
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8E\xB5"));
}

}  // namespace
}  // namespace zuk
