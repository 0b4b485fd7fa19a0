#include <gtest/gtest.h>

#include "playlist/list_file.h"
#include "support/temp_dir.h"

namespace zuk {
namespace {

using Entries = std::vector<std::string>;

TEST(ListFile, EntryReadingRule) {
    struct Case {
        const char* name;
        std::string bytes;
        Entries entries;
    } cases[] = {
        {"empty file", "", {}},
        {"lines", "/a.mp3\r\n/b.mp3\r\n", {"/a.mp3", "/b.mp3"}},
        {"last line without CR LF", "/a\r\n/b", {"/a", "/b"}},
        {"blank line in the middle", "/a\r\n\r\n/b\r\n", {"/a", "", "/b"}},
        {"only a line end", "\r\n", {""}},
        {"comma splits", "/x/a,b/c.mp3\r\n", {"/x/a", "b/c.mp3"}},
        {"leading blanks dropped", "  \t/a b.mp3\r\n", {"/a b.mp3"}},
        {"quoted path", "\"/a, b.mp3\"\r\n", {"/a, b.mp3"}},
        {"text after the closing quote", "\"/a\" junk,/b\r\n", {"/a", "/b"}},
        {"unterminated quote runs to the end", "\"/a\r\n/b", {"/a\r\n/b"}},
        {"extended M3U",
         "#EXTM3U\r\n#EXTINF:215,Artist - Title\r\n/m.mp3\r\n",
         {"#EXTM3U", "#EXTINF:215", "Artist - Title", "/m.mp3"}},
        {"LF and lone CR end lines too", "/a\n/b\r/c\n", {"/a", "/b", "/c"}},
        {"empty between commas", "a,,b", {"a", "", "b"}},
        {"comma before line end", "a,\r\nb", {"a", "", "b"}},
        {"NUL kept inside an entry", std::string("/a\0b\r\n", 6), {std::string("/a\0b", 4)}},
        {"Shift_JIS decoded", "/\x89\xB9\x8A\x79.mp3\r\n", {"/音楽.mp3"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseListEntries(c.bytes), c.entries) << c.name;
}

TEST(ListFile, StopsAtTheEntryLimit) {
    std::string bytes;
    for (int i = 0; i < 40000; ++i) bytes += "/f" + std::to_string(i) + "\r\n";
    const Entries entries = ParseListEntries(bytes, 32767);
    ASSERT_EQ(entries.size(), 32767u);
    EXPECT_EQ(entries.back(), "/f32766");
}

TEST(ListFile, WriterRoundTripsWhatTheReaderTakes) {
    test::TempDir dir;
    const Entries entries = {"/music/曲.mp3", "", "/a b/c.wav"};
    ASSERT_TRUE(WriteListFile(dir.file("l.zul"), entries));
    EXPECT_EQ(dir.read("l.zul"), "/music/曲.mp3\r\n\r\n/a b/c.wav\r\n");
    const ListFileRead read = ReadListFile(dir.file("l.zul"));
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.entries, entries);

    ASSERT_TRUE(WriteListFile(dir.file("empty.zul"), {}));
    EXPECT_EQ(dir.read("empty.zul"), "");
    EXPECT_FALSE(ReadListFile(dir.file("missing.zul")).ok);
}

}  // namespace
}  // namespace zuk
