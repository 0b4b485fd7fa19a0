#include "playback/media_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <vector>

#include "support/media_bytes.h"
#include "support/temp_dir.h"

namespace zuk {

void PrintTo(const MediaInfo& info, std::ostream* os) {
    *os << "{Title \"" << info.Title << "\", Artist \"" << info.Artist << "\", Album \""
        << info.Album << "\", Comment \"" << info.Comment << "\"}";
}

namespace {

using namespace std::string_literals;
using test::EndForInfo;
using test::Entry;
using test::Id3v1;
using test::Info;
using test::Le32;
using test::Mp3;
using test::Riff;
using test::Wave;

struct Case {
    std::string name;
    std::string bytes;
    MediaInfo expected;
};

void PutLe32(std::string& bytes, std::size_t offset, std::uint32_t v) {
    bytes.replace(offset, 4, Le32(v));
}

// Writes each case's bytes to a file and reads it.
void ExpectAll(const std::vector<Case>& cases) {
    test::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadMediaInfo(dir.write("clip", c.bytes)), c.expected);
    }
}

TEST(MediaInfo, Id3Version1Tag) {
    const std::string jp = "\xE6\x97\xA5\xE6\x9C\xAC";  // 日本 in UTF-8
    ExpectAll({
        {"all four fields",
         Mp3(Id3v1("Title", "Artist", "Album", "Comment")),
         {"Title", "Artist", "Album", "Comment"}},
        {"space padding trimmed at both ends, inner spaces kept",
         Mp3(Id3v1("  Two  Words", "Artist ", "", "", ' ')),
         {"Two  Words", "Artist", "", ""}},
        {"version 1.1: the track number after the comment's zero is not read",
         Mp3(Id3v1("", "", "", std::string(28, 'c') + "\0\x07"s)),
         {"", "", "", std::string(28, 'c')}},
        {"bytes after the NUL do not sway the decoding",
         Mp3(Id3v1(jp + "\0\x85\xFF"s)),
         {jp, "", "", ""}},
        {"CP932", Mp3(Id3v1("\x93\xFA\x96\x7B\x8C\xEA")), {"日本語", "", "", ""}},
        {"Latin-1 when neither UTF-8 nor CP932",
         Mp3(Id3v1("Caf\xE9 Noir")),
         {"Café Noir", "", "", ""}},
        {"a file starting with ID3 gives nothing, even with a version 1 tag",
         "ID3\x03\0\0\0\0\0\x0a"s + std::string(10, '\0') + Mp3(Id3v1("Title")),
         {}},
        {"no TAG", Mp3(std::string(128, 'x')), {}},
        {"lower-case tag", Mp3("tag" + Id3v1("Title").substr(3)), {}},
        {"135 bytes", std::string(7, 'x') + Id3v1("Title"), {}},
        {"136 bytes", std::string(8, 'x') + Id3v1("Title"), {"Title", "", "", ""}},
    });
}

TEST(MediaInfo, WaveEntriesAfterTheData) {
    const std::string four = Info(Entry("INAM", "Title\0"s) + Entry("IART", "  Artist") +
                                  Entry("IPRD", "Album") + Entry("ICMT", "Comment\0\0"s));
    const MediaInfo fourRead{"Title", "  Artist", "Album", "Comment"};
    std::string riffx = Wave(four + EndForInfo());
    riffx[3] = 'X';
    ExpectAll({
        {"RIFF texts cut at the NUL, not trimmed", Wave(four + EndForInfo()), fourRead},
        {"DATA in capitals", Wave(four + EndForInfo(), "DATA"), fourRead},
        {"byte 3 of RIFF is not examined", riffx, fourRead},
        {"lower-case riff is not RIFF", "riff" + Wave(four + EndForInfo()).substr(4), {}},
        {"first occurrence of each, in any order; missing ones empty",
         Wave(Info(Entry("ICMT", "c") + Entry("INAM", "first") + Entry("INAM", "second")) +
              EndForInfo()),
         {"first", "", "", "c"}},
        {"CP932 and UTF-8 texts",
         Wave(Info(Entry("INAM", "\x93\xFA\x96\x7B\x8C\xEA") + Entry("IART", "アーティスト")) +
              EndForInfo()),
         {"日本語", "アーティスト", "", ""}},
        {"entries before the data chunk are not searched",
         Riff("WAVE", Info(Entry("INAM", "x")) + "data" + Le32(2) + "\x80\x80" +
                          Info(Entry("IART", "after")) + EndForInfo()),
         {"", "after", "", ""}},
        {"tail byte 0 not I: the ID3 tag is read instead",
         Wave(four + "xxxxxxxx") + Id3v1("tag title"),
         {"tag title", "", "", ""}},
        {"tail byte 0 is I: the RIFF entries win over the tag",
         Wave(four + "Ixxxxxxx") + Id3v1("tag"), fourRead},
    });
}

TEST(MediaInfo, RiffMp3IsSearchedFromByte20) {
    ExpectAll({
        {"entries before and after the data",
         Riff("RMP3", Info(Entry("INAM", "t") + Entry("IART", "a")) + "data" + Le32(16) +
                          std::string(16, 'U') + Info(Entry("ICMT", "c")) + EndForInfo()),
         {"t", "a", "", "c"}},
        {"an identifier before byte 20 is not seen",
         "RIFF"s + Le32(0) + "RMP3" + "INAM" + Le32(3) + "abc" + Entry("INAM", "later") +
             EndForInfo(),
         {"later", "", "", ""}},
    });
}

TEST(MediaInfo, DataThatDoesNotFitLeavesFieldsEmpty) {
    const std::string entries = Info(Entry("INAM", "t")) + EndForInfo();
    // "data" at 12 + 8 + junk: at 56 its size is the head's last four bytes, at 57 it is cut.
    const auto dataAfterJunk = [&](std::size_t junk) {
        return Riff("WAVE",
                    Entry("JUNK", std::string(junk, '-')) + "data" + Le32(4) + "aaaa" + entries);
    };
    std::string toTheEnd = Wave(entries), pastTheEnd = toTheEnd;
    PutLe32(toTheEnd, test::kWaveDataSizeOffset, static_cast<std::uint32_t>(toTheEnd.size() - 44));
    PutLe32(pastTheEnd, test::kWaveDataSizeOffset, 0xFFFFFFF8u);
    ExpectAll({
        {"data tag at 56", dataAfterJunk(36), {"t", "", "", ""}},
        {"data tag at 57: no room for its size", dataAfterJunk(37), {}},
        {"no data tag in the head", dataAfterJunk(60), {}},
        {"data chunk reaches the end of the file", toTheEnd, {}},
        {"data size near 4 GB", pastTheEnd, {}},
        {"unknown form type, and no falling back to the tag",
         Riff("AVI ", Info(Entry("INAM", "t")) + "Ixxxxxxx") + Id3v1("tag"),
         {}},
        {"entry size past the region: that field only",
         Wave(Info(Entry("INAM", "ok") + "ICMT" + Le32(1000) + "short") + EndForInfo()),
         {"ok", "", "", ""}},
        {"entry size near 4 GB", Wave(Info("IART" + Le32(0xFFFFFFFFu) + "x") + EndForInfo()), {}},
        {"entry ending at the end of the file",
         Wave(EndForInfo(Entry("IART", "abc"))),
         {"", "abc", "", ""}},
        {"identifier at the end without its size", Wave(EndForInfo("IART")), {}},
        {"identifier at the end with half its size", Wave(EndForInfo("IARTxx")), {}},
    });
}

// The region is scanned in blocks of 64 KiB: identifiers and texts that straddle a block
// boundary, and a text longer than a block, must come out whole.
TEST(MediaInfo, LargeRegionsAcrossScanBlocks) {
    constexpr std::size_t kBlock = 64 * 1024;
    const std::string longText(100'000, 'L');
    std::vector<Case> cases;
    for (std::size_t at = kBlock - 8; at <= kBlock + 1; ++at) {
        const std::string before(at, 'U');  // the region starts at byte 20, right after "RMP3"
        cases.push_back({"identifier at region offset " + std::to_string(at),
                         Riff("RMP3", std::string(8, 'U') + before + Entry("INAM", "straddle") +
                                          Entry("ICMT", longText) + EndForInfo()),
                         {"straddle", "", "", longText}});
    }
    ExpectAll(cases);
}

TEST(MediaInfo, PathsThatNameNoReadableFile) {
    test::TempDir dir;
    const std::string bytes = Mp3(Id3v1("Title"));
    const std::string blanks = dir.write(" spaced ", bytes);
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReadMediaInfo(""), MediaInfo{});
    EXPECT_EQ(ReadMediaInfo("   "), MediaInfo{});
    EXPECT_EQ(ReadMediaInfo(dir.file("missing.mp3")), MediaInfo{});
    EXPECT_EQ(ReadMediaInfo(dir.path()), MediaInfo{});
    EXPECT_EQ(ReadMediaInfo(dir.file("fifo")), MediaInfo{});  // must not block
    EXPECT_EQ(ReadMediaInfo(blanks + "\0x"s), MediaInfo{});
    EXPECT_EQ(ReadMediaInfo(blanks).Title, "Title");  // opened untrimmed
}

// A file cut short after it was opened: the region cannot be read whole.
class ShrinkingSource final : public MediaSource {
  public:
    ShrinkingSource(std::string bytes, std::uint64_t failFrom, std::uint64_t failTo)
        : bytes_(std::move(bytes)), failFrom_(failFrom), failTo_(failTo) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::span<char> out) override {
        if (offset + out.size() > bytes_.size()) return false;
        if (offset < failTo_ && offset + out.size() > failFrom_) return false;
        std::memcpy(out.data(), bytes_.data() + offset, out.size());
        return true;
    }

  private:
    std::string bytes_;
    std::uint64_t failFrom_, failTo_;
};

TEST(MediaInfo, RegionReadFailureGivesTheEmptyRecord) {
    const std::string file =
        Riff("RMP3", std::string(40, 'U') + Info(Entry("INAM", "t")) + EndForInfo());
    ShrinkingSource readable(file, 0, 0), failing(file, 30, 40);
    EXPECT_EQ(ReadMediaInfo(readable).Title, "t");
    EXPECT_EQ(ReadMediaInfo(failing), MediaInfo{});
}

TEST(MediaInfo, StripTagNul) {
    EXPECT_EQ(StripTagNul("abc\0def"s), "abc");
    EXPECT_EQ(StripTagNul("abc"), "abc");
    EXPECT_EQ(StripTagNul("\0abc"s), "");
    EXPECT_EQ(StripTagNul(""), "");
}

// Files made by real tagging tools (see fixtures/make_fixtures.sh).
TEST(MediaInfo, FilesMadeByTaggingTools) {
    const std::string fixtures =
        std::string(std::getenv("ZUK_SOURCE_DIR")) + "/tests/playback/fixtures/";
    const std::vector<std::pair<std::string, MediaInfo>> cases = {
        {"lame_id3v11.mp3", {"Spaced Title", "Artist", "Album", "comment here"}},
        {"id3tool_cp932.mp3", {"日本語のタイトル", "アーティスト", "", ""}},
        {"id3tool_utf8.mp3", {"Café ☕ 日本", "", "Ålbum", "note"}},
        {"ffmpeg_id3v2.mp3", {}},
        // ffmpeg writes the INFO list before the audio, where the reader does not look.
        {"ffmpeg_info.wav", {}},
    };
    for (const auto& [name, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadMediaInfo(fixtures + name), expected);
    }
}

}  // namespace
}  // namespace zuk
