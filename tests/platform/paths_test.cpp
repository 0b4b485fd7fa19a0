#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/paths.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace zuk {
namespace {

using test::TempDir;

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_.empty()) {
            ::unsetenv(name_);
        } else {
            ::setenv(name_, old_.c_str(), 1);
        }
    }

  private:
    const char* name_;
    std::string old_;
};

TEST(Paths, TrailingSlashOnlyWhenMissing) {
    EXPECT_EQ(WithTrailingSlash("/opt/zuk"), "/opt/zuk/");
    EXPECT_EQ(WithTrailingSlash("/opt/zuk/"), "/opt/zuk/");
    EXPECT_EQ(WithTrailingSlash("/"), "/");
}

TEST(Paths, AppFolderIsTheExecutablesFolder) {
    const std::string folder = AppFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/", folder);
}

TEST(Paths, PrivateRuntimeFolderIsMadePrivate) {
    TempDir dir;
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir.path());
    const auto folder = PrivateRuntimeFolder();
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(*folder, dir.path() + "zuk/");
    struct stat st {};
    ASSERT_EQ(::lstat(folder->c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(Paths, PrivateRuntimeFolderRefusesPlantedOrSharedFolders) {
    TempDir dir;
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir.path());
    std::filesystem::create_directory(dir.path() + "elsewhere");
    ASSERT_EQ(::symlink((dir.path() + "elsewhere").c_str(), (dir.path() + "zuk").c_str()), 0);
    EXPECT_FALSE(PrivateRuntimeFolder().has_value());  // a symbolic link

    std::filesystem::remove(dir.path() + "zuk");
    dir.write("zuk", "a file");
    EXPECT_FALSE(PrivateRuntimeFolder().has_value());

    std::filesystem::remove(dir.path() + "zuk");
    std::filesystem::create_directory(dir.path() + "zuk");
    if (test::IsRoot()) {
        test::HandToUnprivileged(dir.path() + "zuk");
        EXPECT_FALSE(PrivateRuntimeFolder().has_value());  // someone else's
        ASSERT_EQ(::chown((dir.path() + "zuk").c_str(), 0, 0), 0);
    }
    ::chmod((dir.path() + "zuk").c_str(), 0777);
    EXPECT_TRUE(PrivateRuntimeFolder().has_value());  // our own, left open: closed again
    struct stat st {};
    ASSERT_EQ(::lstat((dir.path() + "zuk").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(Paths, PrivateRuntimeFolderFallsBackToTheTemporaryFolder) {
    TempDir dir;
    ::unsetenv("XDG_RUNTIME_DIR");
    ScopedEnv tmp("TMPDIR", dir.path());
    const auto folder = PrivateRuntimeFolder();
    ASSERT_TRUE(folder.has_value());
    EXPECT_EQ(*folder, dir.path() + "zuk-" + std::to_string(::geteuid()) + "/");
}

TEST(Paths, SettingsFolderFallsBackToTheUserConfigFolder) {
    TempDir dir;
    ScopedEnv config("XDG_CONFIG_HOME", dir.path() + "config");
    EXPECT_EQ(SettingsFolder(dir.path()), dir.path());  // writable program folder
    EXPECT_EQ(SettingsFolder(dir.path() + "missing/"), dir.path() + "config/zuk/");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "config/zuk"));
}

}  // namespace
}  // namespace zuk
