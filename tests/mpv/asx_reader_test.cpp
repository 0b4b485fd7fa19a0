#include "platform/mpv/asx_reader.h"

#include <gtest/gtest.h>

namespace zuk {
namespace {

// The wrapper as the player writes it: CR LF, nothing escaped.
constexpr const char* kWrapper =
    "<ASX version = \"3.0\">\r\n<title>Album</title>\r\n<entry>\r\n<title>T & <b></title>\r\n"
    "<author>Artist</author>\r\n<copyright>(c) me</copyright>\r\n"
    "<Ref href = \"/music/R&B <live> \"x\".wav\" />\r\n</entry>\r\n</asx>\r\n";

TEST(AsxReader, ReadsThePlayersOwnWrapperWithUnescapedText) {
    const AsxEntry entry = ReadAsx(kWrapper);
    EXPECT_EQ(entry.title, "T & <b>");  // the entry's title, not the album's
    EXPECT_EQ(entry.author, "Artist");
    EXPECT_EQ(entry.copyright, "(c) me");
    EXPECT_EQ(entry.refs, std::vector<std::string>{"/music/R&B <live> \"x\".wav"});
}

TEST(AsxReader, EmptyFieldsGiveEmptyTexts) {
    const AsxEntry entry = ReadAsx(
        "<ASX version = "
        "\"3.0\">\r\n<title></title>\r\n<entry>\r\n<title></title>\r\n<author></author>\r\n"
        "<copyright></copyright>\r\n<Ref href = \"/a.wav\" />\r\n</entry>\r\n</asx>\r\n");
    EXPECT_EQ(entry.title, "");
    EXPECT_EQ(entry.author, "");
    EXPECT_EQ(entry.refs, std::vector<std::string>{"/a.wav"});
}

TEST(AsxReader, ReadsOtherWritersFilesLeniently) {
    struct Case {
        const char* text;
        std::vector<std::string> refs;
        const char* title;
    };
    const Case cases[] = {
        // Tags in any case, several refs, single quotes, unquoted values, multi-line tags.
        {"<asx><ENTRY><TITLE>News</TITLE><REF HREF='mms://a/b'/><ref href=http://c/d?x=1&amp;y=2 />"
         "<Ref\n  href = \"rtsp://e/f\"\n/></ENTRY><entry><ref "
         "href=\"/second.wav\"/></entry></asx>",
         {"mms://a/b", "http://c/d?x=1&amp;y=2", "rtsp://e/f"},
         "News"},
        // No entry at all: refs anywhere; <refs> and <reference> are no ref.
        {"<asx><refs/><reference href=\"/no\"/><ref href=\"/yes.mp3\"></ref></asx>",
         {"/yes.mp3"},
         ""},
        // A ref without href, an unterminated value, an empty document.
        {"<entry><ref/><ref href=\"/cut.wav", {"/cut.wav"}, ""},
        {"", {}, ""},
    };
    for (const Case& c : cases) {
        const AsxEntry entry = ReadAsx(c.text);
        EXPECT_EQ(entry.refs, c.refs) << c.text;
        EXPECT_EQ(entry.title, c.title) << c.text;
    }
}

TEST(AsxReader, DecodesTheFiveXmlEntities) {
    EXPECT_EQ(DecodeXmlEntities("a&amp;b&lt;c&gt;&quot;&apos;&nbsp;&"), "a&b<c>\"'&nbsp;&");
}

}  // namespace
}  // namespace zuk
