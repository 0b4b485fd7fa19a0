#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/registry_file.h"
#include "platform/registry_text.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace zuk {
namespace {

using test::TempDir;

// A store on a file, counting the problems it reports.
struct Store {
    explicit Store(const std::string& path)
        : file(path, [this](const std::string& m) { reports.push_back(m); }) {}

    bool set(const std::string& path, const std::string& name, const std::string& text) {
        return file.write(
            [&](RegistryTree& t) { return t.createKey(path) && t.setValue(path, name, text); });
    }
    std::string text(const std::string& path, const std::string& name = {}) {
        const RegistryTree* tree = file.read();
        if (!tree) return "<unreadable>";
        const std::string* value = tree->value(path, name);
        return value ? *value : "<none>";
    }

    std::vector<std::string> reports;
    RegistryFile file;
};

TEST(RegistryFile, MissingFileIsEmptyAndTheFirstWriteMakesFolderAndFile) {
    TempDir dir;
    Store store(dir.file("config/zuk/classes.reg"));
    EXPECT_EQ(store.text(".mp3"), "<none>");
    EXPECT_FALSE(std::filesystem::exists(dir.file("config")));  // reading makes nothing
    ASSERT_TRUE(store.set(".mp3", "", "korvane"));
    EXPECT_EQ(dir.read("config/zuk/classes.reg"),
              "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\.mp3]\r\n@=\"korvane\"\r\n");
    EXPECT_TRUE(store.reports.empty());
}

TEST(RegistryFile, WritingWhatIsThereLeavesTheFileAlone) {
    TempDir dir;
    Store store(dir.file("classes.reg"));
    ASSERT_TRUE(store.set(".mp3", "", "korvane"));
    struct stat before {};
    ::stat(dir.file("classes.reg").c_str(), &before);
    ASSERT_TRUE(store.set(".MP3", "", "korvane"));
    struct stat after {};
    ::stat(dir.file("classes.reg").c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST(RegistryFile, EachStoreSeesTheOthersWritesAndKeepsThem) {
    TempDir dir;
    Store a(dir.file("classes.reg"));
    Store b(dir.file("classes.reg"));
    EXPECT_EQ(a.text(".wav"), "<none>");  // a has read the file before b writes
    ASSERT_TRUE(b.set(".wav", "", "wavfile"));
    EXPECT_EQ(a.text(".wav"), "wavfile");
    ASSERT_TRUE(a.set(".mp3", "", "mp3file"));
    ASSERT_TRUE(b.set(".wav", "korvane.bak", "x"));
    Store c(dir.file("classes.reg"));
    EXPECT_EQ(c.text(".wav"), "wavfile");
    EXPECT_EQ(c.text(".wav", "korvane.bak"), "x");
    EXPECT_EQ(c.text(".mp3"), "mp3file");
}

TEST(RegistryFile, TwoWritersAtOnceLoseNothing) {
    TempDir dir;
    const std::string path = dir.file("classes.reg");
    constexpr int kWrites = 40;
    auto writer = [&path](char who) {
        Store store(path);
        for (int i = 0; i < kWrites; ++i)
            store.set(std::string(".") + who + std::to_string(i), "", "t");
    };
    std::thread first(writer, 'a');
    std::thread second(writer, 'b');
    first.join();
    second.join();
    Store check(path);
    for (const char who : {'a', 'b'})
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(check.text(std::string(".") + who + std::to_string(i)), "t");
}

TEST(RegistryFile, DamagedFileIsReportedOnceAndNeverOverwritten) {
    TempDir dir;
    const std::string damaged = "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\.mp3]\r\n@=\"korvane\r\n";
    dir.write("classes.reg", damaged);
    Store store(dir.file("classes.reg"));
    EXPECT_EQ(store.text(".mp3"), "<unreadable>");
    EXPECT_FALSE(store.set(".wav", "", "korvane"));
    EXPECT_EQ(store.text(".mp3"), "<unreadable>");
    EXPECT_EQ(dir.read("classes.reg"), damaged);
    ASSERT_EQ(store.reports.size(), 1u);
    EXPECT_NE(store.reports.front().find(dir.file("classes.reg")), std::string::npos);
    EXPECT_NE(store.reports.front().find("3行目"), std::string::npos);

    // Mended by hand, the file is used again.
    dir.write("classes.reg", "REGEDIT4\r\n[HKEY_CLASSES_ROOT\\.mp3]\r\n@=\"korvane\"\r\n\r\n");
    EXPECT_TRUE(store.set(".wav", "", "korvane"));
    EXPECT_EQ(store.text(".mp3"), "korvane");
    EXPECT_EQ(store.reports.size(), 1u);
}

TEST(RegistryFile, UnreadableFileAndUnwritableFolderAreReported) {
    if (!test::IsRoot()) GTEST_SKIP() << "needs root to drop privileges";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    const std::string secret = dir.write("secret/classes.reg", "REGEDIT4\r\n");
    ::chmod(secret.c_str(), 0600);  // root's, unreadable for others
    const std::string frozen = dir.write("frozen/classes.reg", "REGEDIT4\r\n");  // root's folder
    EXPECT_TRUE(test::RunUnprivileged([&] {
        Store store(secret);
        const bool refused = store.text(".a") == "<unreadable>" && !store.set(".a", "", "x");
        return refused && store.reports.size() == 1;
    }));
    EXPECT_TRUE(test::RunUnprivileged([&] {
        Store store(frozen);
        const bool refused = !store.set(".a", "", "x") && !store.set(".b", "", "x");
        return refused && store.reports.size() == 1 && store.text(".a") == "<none>";
    }));
    EXPECT_EQ(dir.read("secret/classes.reg"), "REGEDIT4\r\n");
    EXPECT_EQ(dir.read("frozen/classes.reg"), "REGEDIT4\r\n");
}

}  // namespace
}  // namespace zuk
