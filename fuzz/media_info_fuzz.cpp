// Feeds arbitrary bytes to the clip information reader as if they were a media file.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/text_codec.h"
#include "playback/media_info.h"

namespace {

// The input as a file, without touching the disk.
class MemorySource final : public zuk::MediaSource {
  public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::span<char> out) override {
        if (offset > bytes_.size() || out.size() > bytes_.size() - offset) return false;
        std::memcpy(out.data(), bytes_.data() + offset, out.size());
        return true;
    }

  private:
    std::string_view bytes_;
};

// Every field is UTF-8 text cut at its first NUL.
void CheckField(const std::string& field) {
    if (!zuk::IsValidUtf8(field) || field.find('\0') != std::string::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemorySource file({reinterpret_cast<const char*>(data), size});
    const zuk::MediaInfo info = zuk::ReadMediaInfo(file);
    for (const std::string* field : {&info.Title, &info.Artist, &info.Album, &info.Comment})
        CheckField(*field);
    return 0;
}
