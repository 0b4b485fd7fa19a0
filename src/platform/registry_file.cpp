#include "platform/registry_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/files.h"
#include "platform/registry_text.h"

namespace zuk {
namespace {

// An exclusive flock on a lock file beside the store, held while it lives. The store file
// itself cannot carry the lock: every save replaces it with a new file.
class WriteLock {
  public:
    explicit WriteLock(const std::string& storePath) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(storePath).parent_path(), ec);
        fd_ = ::open((storePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) return;
        int rc = 0;
        while ((rc = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (rc != 0) ::close(std::exchange(fd_, -1));
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;
    ~WriteLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

constexpr const char* kKeepsFile = "\n\nこのファイルは書き換えません。";

}  // namespace

bool RegistryFile::Stamp::operator==(const Stamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
}

RegistryFile::RegistryFile(std::string path, Reporter report)
    : path_(std::move(path)), report_(std::move(report)) {}

RegistryFile::Stamp RegistryFile::stampNow() const {
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0) {
        // Only a missing file is an empty store; any other failure shows when it is read.
        return Stamp{.exists = errno != ENOENT};
    }
    return Stamp{true, st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

bool RegistryFile::refresh() {
    const Stamp now = stampNow();
    if (state_ != State::Unknown && now == stamp_) return state_ == State::Ready;
    return load(now);
}

bool RegistryFile::load(const Stamp& stamp) {
    stamp_ = stamp;
    state_ = State::Broken;
    if (!stamp.exists) {
        tree_ = {};
        state_ = State::Ready;
        return true;
    }
    const auto text = ReadWholeFile(path_);
    if (!text) {
        fail("関連付けの設定ファイルを読み込めません。\n" + path_ + kKeepsFile +
             "読み取りの許可を確かめてください。");
        return false;
    }
    auto parsed = ParseRegistryText(*text);
    if (const auto* error = std::get_if<RegistryTextError>(&parsed)) {
        fail("関連付けの設定ファイルの内容が正しくありません。\n" + path_ + " (" +
             std::to_string(error->line) + "行目: " + error->reason + ")" + kKeepsFile +
             "直すか別の場所へ移してから、もう一度起動してください。");
        return false;
    }
    tree_ = std::move(std::get<RegistryTree>(parsed));
    state_ = State::Ready;
    return true;
}

void RegistryFile::fail(const std::string& message) {
    if (std::exchange(reported_, true) || !report_) return;
    report_(message);
}

const RegistryTree* RegistryFile::read() {
    return refresh() ? &tree_ : nullptr;
}

bool RegistryFile::write(const Change& change) {
    const WriteLock lock(path_);
    if (!lock.held()) {
        fail("関連付けの設定を保存できません。\n" + path_ + ".lock を作れません。");
        return false;
    }
    if (!refresh()) return false;
    const auto before = tree_.revision();
    const bool changed = change(tree_);
    if (tree_.revision() == before) return changed;
    if (!changed || !WriteFileAtomically(path_, FormatRegistryText(tree_))) {
        state_ = State::Unknown;  // the tree in memory no longer matches the file: read it again
        if (changed) fail("関連付けの設定を保存できません。\n" + path_);
        return false;
    }
    stamp_ = stampNow();
    return true;
}

}  // namespace zuk
