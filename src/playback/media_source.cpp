#include "playback/media_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

namespace zuk {

FileSource::FileSource(const std::string& path) {
    if (path.find('\0') != std::string::npos) return;  // would open a different name
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return;
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
}

FileSource::~FileSource() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileSource::read(std::uint64_t offset, std::span<char> out) {
    if (fd_ < 0) return false;
    while (!out.empty()) {
        if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) return false;
        const ssize_t n = ::pread(fd_, out.data(), out.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        offset += static_cast<std::uint64_t>(n);
        out = out.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace zuk
