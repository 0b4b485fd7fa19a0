#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zuk {

// Random read access to the bytes of a media file. The clip information reader works on this
// so that it can be run on a file or, in the fuzz target, straight on memory.
class MediaSource {
  public:
    virtual ~MediaSource() = default;
    // Size in bytes, fixed when the source was opened.
    virtual std::uint64_t size() const = 0;
    // Fills out with the bytes from offset on. False when fewer than out.size() bytes could be
    // read (past the end, a read error, a file cut short meanwhile).
    virtual bool read(std::uint64_t offset, std::span<char> out) = 0;
};

// A regular file opened read-only. Folders, pipes and devices are refused (a pipe would block
// the open), so isOpen() is false for them as for a missing file.
class FileSource final : public MediaSource {
  public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    std::uint64_t size() const override { return size_; }
    bool read(std::uint64_t offset, std::span<char> out) override;

  private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

}  // namespace zuk
