#include "platform/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zuk {
namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// Absolute paths only: the base-directory convention says to ignore a relative one.
std::string AbsoluteEnv(const char* name) {
    std::string v = Env(name);
    return !v.empty() && v.front() == '/' ? v : std::string();
}

// A real folder (no link) of this user, closed to others; our own folder left open is closed.
bool MakePrivateFolder(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    return (st.st_mode & 077) == 0 || ::chmod(path.c_str(), 0700) == 0;
}

}  // namespace

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder.push_back('/');
    return folder;
}

std::string AppFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return WithTrailingSlash(std::filesystem::current_path(ec).string());
    return WithTrailingSlash(exe.parent_path().string());
}

std::string UserConfigFolder() {
    std::string base = AbsoluteEnv("XDG_CONFIG_HOME");
    if (base.empty()) base = WithTrailingSlash(Env("HOME")) + ".config";
    return WithTrailingSlash(WithTrailingSlash(base) + "zuk");
}

std::string SettingsFolder(const std::string& appFolder) {
    const std::string ini = appFolder + "zuk.ini";
    if (::access(appFolder.c_str(), W_OK) == 0 || ::access(ini.c_str(), F_OK) == 0)
        return appFolder;
    const std::string folder = UserConfigFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

std::optional<std::string> PrivateRuntimeFolder() {
    std::string folder;
    if (const std::string runtime = AbsoluteEnv("XDG_RUNTIME_DIR"); !runtime.empty()) {
        folder = WithTrailingSlash(runtime) + "zuk";
    } else {
        std::string tmp = AbsoluteEnv("TMPDIR");
        if (tmp.empty()) tmp = "/tmp";
        folder = WithTrailingSlash(tmp) + "zuk-" + std::to_string(::geteuid());
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
    if (!MakePrivateFolder(folder)) return std::nullopt;
    return WithTrailingSlash(folder);
}

}  // namespace zuk
