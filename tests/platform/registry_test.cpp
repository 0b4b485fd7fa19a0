#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "platform/classes_registry.h"
#include "platform/mime_types.h"
#include "platform/registry_text.h"
#include "support/memory_registry.h"

namespace zuk {
namespace {

using Access = Registry::Access;
using test::MemoryRegistryStore;

// Reads a value the way the tool does: open for query, read into a buffer, close.
std::string Query(Registry& r, const std::string& path, const std::string& name = {},
                  std::size_t buffer = 1024) {
    const auto key = r.openKey(path, Access::Query);
    if (!key) return "<no key>";
    const auto text = r.queryValue(*key, name, buffer);
    r.closeKey(*key);
    return text ? *text : "<no value>";
}

bool Set(Registry& r, const std::string& path, const std::string& name, const std::string& text) {
    const auto key = r.openKey(path, Access::SetValue);
    if (!key) return false;
    const bool ok = r.setValue(*key, name, text);
    r.closeKey(*key);
    return ok;
}

TEST(ClassesRegistry, KeysAndValueNamesIgnoreCaseAndKeepTheirFirstSpelling) {
    MemoryRegistryStore store;
    ClassesRegistry r(store);
    ASSERT_TRUE(r.createKey("Korvane\\Shell\\Open", Access::CreateSubKey));
    EXPECT_TRUE(r.openKey("KORVANE", Access::Query));  // parents were made
    EXPECT_TRUE(r.openKey("korvane\\shell", Access::Query));
    EXPECT_TRUE(Set(r, "korvane", "Korvane.Bak", "one"));
    EXPECT_TRUE(Set(r, "KORVANE", "korvane.bak", "two"));
    EXPECT_EQ(Query(r, "korvane", "KORVANE.BAK"), "two");
    ASSERT_EQ(store.tree.keys().front()->values.size(), 1u);
    EXPECT_EQ(store.tree.keys().front()->path, "Korvane");
    EXPECT_EQ(store.tree.keys().front()->values.front().name, "Korvane.Bak");
}

TEST(ClassesRegistry, HandlesOnlyDoWhatTheirAccessAllows) {
    MemoryRegistryStore store;
    store.set(".mp3", "", "mp3file");
    ClassesRegistry r(store);
    const auto query = r.openKey(".mp3", Access::Query);
    const auto create = r.createKey(".mp3", Access::CreateSubKey);
    ASSERT_TRUE(query && create);
    EXPECT_FALSE(r.setValue(*query, "", "korvane"));
    EXPECT_FALSE(r.queryValue(*create, "", 1024));
    r.closeKey(*query);
    EXPECT_FALSE(r.queryValue(*query, "", 1024));  // closed
    EXPECT_EQ(store.text(".mp3"), "mp3file");
    EXPECT_EQ(store.changingWrites, 0);  // creating an existing key writes nothing
}

TEST(ClassesRegistry, MissingKeysAreNeitherOpenedNorWrittenAndBadPathsAreRefused) {
    MemoryRegistryStore store;
    ClassesRegistry r(store);
    EXPECT_FALSE(r.openKey(".mp3", Access::SetValue));
    EXPECT_FALSE(Set(r, ".mp3", "", "korvane"));
    for (const char* bad : {"", "\\.mp3", ".mp3\\", "a\\\\b", "a\nb"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(r.createKey(bad, Access::CreateSubKey));
    }
    EXPECT_TRUE(store.tree.keys().empty());
}

TEST(ClassesRegistry, ReadsFitTheBufferWithTheirNulAndStopAtTheFirstNul) {
    MemoryRegistryStore store;
    store.set(".a", "", std::string(1023, 'x'));
    store.set(".b", "", std::string(1024, 'x'));
    store.set(".c", "", std::string("mp3\0file", 8));
    ClassesRegistry r(store);
    EXPECT_EQ(Query(r, ".a"), std::string(1023, 'x'));
    EXPECT_EQ(Query(r, ".b"), "<no value>");
    EXPECT_EQ(Query(r, ".c"), "mp3");
    EXPECT_EQ(Query(r, ".c", "", 8), "<no value>");
}

TEST(ClassesRegistry, SystemFileTypesShowAsExtensionKeysUntilTheFirstWriteCopiesThem) {
    MemoryRegistryStore store;
    store.set(".wav", "", "userwav");
    ClassesRegistry r(store, {{".mp3", "audio/mpeg"}, {".wav", "audio/x-wav"}});
    EXPECT_EQ(Query(r, ".MP3"), "audio/mpeg");
    EXPECT_EQ(Query(r, ".mp3", "korvane.bak"), "<no value>");
    EXPECT_EQ(Query(r, ".wav"), "userwav");  // the user's key wins
    EXPECT_EQ(Query(r, ".mp3\\sub"), "<no key>");
    EXPECT_TRUE(r.createKey(".mp3", Access::CreateSubKey));
    EXPECT_EQ(store.changingWrites, 0);
    EXPECT_FALSE(store.tree.hasKey(".mp3"));

    EXPECT_TRUE(Set(r, ".Mp3", "korvane.bak", "audio/mpeg"));
    EXPECT_EQ(store.text(".mp3"), "audio/mpeg");
    EXPECT_EQ(store.text(".mp3", "korvane.bak"), "audio/mpeg");
    // A key made below a system-side extension key does not hide the extension's type.
    ClassesRegistry withWma(store, {{".wma", "audio/x-ms-wma"}});
    EXPECT_TRUE(withWma.createKey(".WMA\\ShellEx", Access::CreateSubKey));
    EXPECT_EQ(store.text(".wma"), "audio/x-ms-wma");
    EXPECT_TRUE(store.tree.hasKey(".wma\\shellex"));
}

TEST(RegistryText, WritesReadableRegedit4TextInTreeOrder) {
    RegistryTree tree;
    tree.createKey(".mp3");
    tree.setValue(".mp3", "", "korvane");
    tree.setValue(".mp3", "korvane.bak", "mp3file");
    tree.createKey("korvane\\Shell");
    tree.createKey("korvane.x");
    tree.setValue("korvane\\Shell", "", "TavrinMediaPlayer");
    EXPECT_EQ(FormatRegistryText(tree),
              "REGEDIT4\r\n"
              "\r\n[HKEY_CLASSES_ROOT\\.mp3]\r\n@=\"korvane\"\r\n\"korvane.bak\"=\"mp3file\"\r\n"
              "\r\n[HKEY_CLASSES_ROOT\\korvane]\r\n"
              "\r\n[HKEY_CLASSES_ROOT\\korvane\\Shell]\r\n@=\"TavrinMediaPlayer\"\r\n"
              "\r\n[HKEY_CLASSES_ROOT\\korvane.x]\r\n");
}

TEST(RegistryText, EscapedTextsComeBackUnchanged) {
    const std::string awkward =
        std::string("\"C:\\a b\\zuk\" %1\r\n\t\0end", 22) + "マルチメディアファイル";
    RegistryTree tree;
    tree.createKey("k\\[x]");
    tree.setValue("k\\[x]", "", awkward);
    tree.setValue("k\\[x]", "na\"me\\", "v");
    const std::string text = FormatRegistryText(tree);
    EXPECT_NE(text.find("@=\"\\\"C:\\\\a b\\\\zuk\\\" %1\\r\\n\t\\0end"), std::string::npos);
    const auto parsed = ParseRegistryText(text);
    ASSERT_TRUE(std::holds_alternative<RegistryTree>(parsed));
    const auto& back = std::get<RegistryTree>(parsed);
    ASSERT_TRUE(back.value("K\\[X]", ""));
    EXPECT_EQ(*back.value("k\\[x]", ""), awkward);
    EXPECT_EQ(*back.value("k\\[x]", "na\"me\\"), "v");
    EXPECT_EQ(FormatRegistryText(back), text);
}

TEST(RegistryText, ReadsWhatPeopleWrite) {
    const auto parsed = ParseRegistryText(
        "\xEF\xBB\xBF\n\nREGEDIT4\n[hkey_classes_root\\.wav]  \n\n@=\"a\"\n\"\"=\"b\"\n"
        "[HKEY_CLASSES_ROOT\\.wav]\n\"x\"=\"c\"  \n");
    ASSERT_TRUE(std::holds_alternative<RegistryTree>(parsed));
    const auto& tree = std::get<RegistryTree>(parsed);
    EXPECT_EQ(*tree.value(".wav", ""), "b");  // the last of the same value wins, as on import
    EXPECT_EQ(*tree.value(".wav", "x"), "c");
    EXPECT_TRUE(std::holds_alternative<RegistryTree>(ParseRegistryText("")));
    EXPECT_TRUE(std::holds_alternative<RegistryTree>(ParseRegistryText(" \r\n")));
}

TEST(RegistryText, RejectsWhatItCannotKeepWithTheLine) {
    struct Case {
        const char* text;
        int line;
    };
    const std::string header = "REGEDIT4\r\n";
    for (const Case& c : {
             Case{"Windows Registry Editor Version 5.00\r\n", 1},
             Case{"\r\nREGEDIT5\r\n", 2},
             Case{"REGEDIT4\r\n@=\"x\"\r\n", 2},
             Case{"REGEDIT4\r\n[HKEY_CURRENT_USER\\x]\r\n", 2},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT]\r\n", 2},
             Case{"REGEDIT4\r\n[-HKEY_CLASSES_ROOT\\x]\r\n", 2},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x\r\n", 2},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT\\a\\\\b]\r\n", 2},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x]\r\n\"n\"=dword:00000001\r\n", 3},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x]\r\n@=\"unterminated\r\n", 3},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x]\r\n@=\"bad \\q escape\"\r\n", 3},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x]\r\n@=\"a\" junk\r\n", 3},
             Case{"REGEDIT4\r\n[HKEY_CLASSES_ROOT\\x]\r\n; a comment\r\n", 3},
         }) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParseRegistryText(c.text);
        ASSERT_TRUE(std::holds_alternative<RegistryTextError>(parsed));
        EXPECT_EQ(std::get<RegistryTextError>(parsed).line, c.line);
        EXPECT_FALSE(std::get<RegistryTextError>(parsed).reason.empty());
    }
}

TEST(MimeTypes, ExtensionsInLowerCaseWithTheFirstTypeNamingThem) {
    const auto types = ParseMimeTypes(
        "# comment audio/x text\n"
        "audio/mpeg\t\tmpga mpega MP2 mp3 # trailing comment words\n"
        "audio/x-other mp3 ogg\r\n"
        "application/only-a-type\n"
        "   \n");
    EXPECT_EQ(types, (SystemFileTypes{{".mpga", "audio/mpeg"},
                                      {".mpega", "audio/mpeg"},
                                      {".mp2", "audio/mpeg"},
                                      {".mp3", "audio/mpeg"},
                                      {".ogg", "audio/x-other"}}));
}

}  // namespace
}  // namespace zuk
