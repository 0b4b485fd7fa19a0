#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/files.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace zuk {
namespace {

using test::TempDir;

TEST(Files, FileExistsOnlyForReadableFiles) {
    TempDir dir;
    dir.write("a.txt", "x");
    dir.write("sub/b.txt", "");
    EXPECT_TRUE(FileExists(dir.file("a.txt")));
    EXPECT_TRUE(FileExists(dir.file("sub/b.txt")));  // empty but openable
    EXPECT_FALSE(FileExists(dir.file("sub")));       // a folder is no file
    EXPECT_FALSE(FileExists(dir.file("missing")));
    EXPECT_FALSE(FileExists(""));
}

TEST(Files, WritabilityProbeNeverEmptiesOrCreatesAFile) {
    TempDir dir;
    dir.write("zuk.ini", "keep me");
    EXPECT_TRUE(ReadOnly(dir.file("zuk.ini")));
    EXPECT_EQ(dir.read("zuk.ini"), "keep me");
    EXPECT_TRUE(ReadOnly(dir.file("new.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("new.ini")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    EXPECT_FALSE(ReadOnly(dir.file("nofolder/zuk.ini")));
}

TEST(Files, WritabilityProbeAsAnUnprivilegedUser) {
    if (!test::IsRoot()) GTEST_SKIP() << "needs root to drop privileges";
    TempDir dir;
    ::chmod(dir.path().c_str(), 0755);
    const std::string folder = dir.path() + "user/";
    std::filesystem::create_directory(folder);
    test::HandToUnprivileged(folder);
    const std::string frozen = dir.write("user/frozen.ini", "old");
    const std::string open = dir.write("user/open.ini", "old");
    test::HandToUnprivileged(frozen);
    test::HandToUnprivileged(open);
    ::chmod(frozen.c_str(), 0444);
    const std::string lockedFolder = dir.write("locked/zuk.ini", "old");  // root's folder

    EXPECT_TRUE(test::RunUnprivileged([&] { return !ReadOnly(frozen); }));
    EXPECT_TRUE(test::RunUnprivileged([&] { return ReadOnly(open); }));
    EXPECT_TRUE(test::RunUnprivileged([&] { return !ReadOnly(lockedFolder); }));
    EXPECT_TRUE(test::RunUnprivileged([&] { return !WriteFileAtomically(lockedFolder, "new"); }));
    EXPECT_EQ(dir.read("user/frozen.ini"), "old");
    EXPECT_EQ(dir.read("locked/zuk.ini"), "old");
}

TEST(Files, AtomicWriteReplacesWholeAndKeepsPermissions) {
    TempDir dir;
    const std::string path = dir.write("list.zul", "old content");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(dir.read("list.zul"), "new");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(dir.read("list.zul"), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}),
              1);  // no temp left
    EXPECT_FALSE(WriteFileAtomically(dir.file("no/such/folder.zul"), "x"));
}

TEST(Files, ReadWholeFileRefusesFoldersAndMissingFiles) {
    TempDir dir;
    dir.write("f", std::string("a\0b", 3));
    EXPECT_EQ(ReadWholeFile(dir.file("f")), std::string("a\0b", 3));
    EXPECT_FALSE(ReadWholeFile(dir.path()).has_value());
    EXPECT_FALSE(ReadWholeFile(dir.file("missing")).has_value());
}

}  // namespace
}  // namespace zuk
