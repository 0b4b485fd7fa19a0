#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>
#include <vector>

namespace zuk {
namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& other) noexcept : fd_(other.release()) {}
    Fd& operator=(Fd&&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A new, empty temporary file beside path; its name is written to tempPath.
Fd CreateTempBeside(const std::string& path, std::string& tempPath) {
    std::string pattern = path + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Fd fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.ok()) tempPath.assign(name.data());
    return fd;
}

}  // namespace

bool FileExists(const std::string& path) {
    if (path.empty()) return false;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.ok()) return false;
    struct stat st {};
    return ::fstat(fd.get(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool ReadOnly(const std::string& path) {
    if (path.empty()) return false;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return false;
        Fd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK));
        if (!fd.ok()) return false;
    }
    std::string probe;
    Fd fd = CreateTempBeside(path, probe);
    if (!fd.ok()) return false;
    ::unlink(probe.c_str());
    return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok()) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
    std::string data;
    if (st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    return data;
}

bool WriteFileAtomically(const std::string& path, std::string_view data) {
    if (path.empty()) return false;
    std::string temp;
    Fd fd = CreateTempBeside(path, temp);
    if (!fd.ok()) return false;
    struct stat st {};
    mode_t mode = 0666;
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    const bool written = ::fchmod(fd.get(), mode) == 0 && WriteAll(fd.get(), data) &&
                         ::fsync(fd.get()) == 0 && ::close(fd.release()) == 0;
    if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    Fd dir(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.ok()) ::fsync(dir.get());
    return true;
}

}  // namespace zuk
