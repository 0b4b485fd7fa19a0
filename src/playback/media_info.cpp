#include "playback/media_info.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/text_codec.h"

namespace zuk {
namespace {

// Every file is judged by its first 64 bytes (the head) and its last 136 (the tail), which
// end with the 128-byte ID3 version 1 tag.
constexpr std::size_t kHeadSize = 64;
constexpr std::size_t kTailSize = 136;
using Head = std::array<char, kHeadSize>;
using Tail = std::array<char, kTailSize>;

// The INFO region of a RIFF-MP3 file is its whole audio, so it is scanned in blocks of this
// size rather than read whole: memory stays at one block whatever the file's size.
constexpr std::size_t kBlockSize = 64 * 1024;
// Entry identifiers are four bytes, each followed by a four-byte size and the text.
constexpr std::size_t kIdLength = 4;
constexpr std::size_t kEntryHeaderLength = 8;
// The last bytes of a block that are scanned again with the next one, so that an identifier
// split between two blocks is found.
constexpr std::size_t kOverlap = kIdLength - 1;

struct RiffEntry {
    std::string_view id;
    std::string MediaInfo::*field;
};
constexpr std::array<RiffEntry, 4> kRiffEntries{{{"INAM", &MediaInfo::Title},
                                                 {"IART", &MediaInfo::Artist},
                                                 {"IPRD", &MediaInfo::Album},
                                                 {"ICMT", &MediaInfo::Comment}}};

// Offsets in the tail (tag offset + 8); each field is 30 bytes.
struct Id3Field {
    std::size_t offset;
    std::string MediaInfo::*field;
};
constexpr std::size_t kId3FieldLength = 30;
constexpr std::array<Id3Field, 4> kId3Fields{{{11, &MediaInfo::Title},
                                              {41, &MediaInfo::Artist},
                                              {71, &MediaInfo::Album},
                                              {105, &MediaInfo::Comment}}};

bool HasAt(std::span<const char> bytes, std::size_t offset, std::string_view id) {
    return offset + id.size() <= bytes.size() &&
           std::equal(id.begin(), id.end(), bytes.begin() + static_cast<long>(offset));
}

// Little-endian, unsigned.
std::uint32_t Le32(const char* p) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(p[i]);
    return value;
}

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

MediaInfo ReadId3v1(const Tail& tail) {
    MediaInfo info;
    if (!HasAt(tail, 8, "TAG")) return info;
    for (const auto& [offset, field] : kId3Fields) {
        // Cut and trimmed before decoding, so that what follows a NUL (the track number of a
        // version 1.1 tag, padding) does not sway the guess of the encoding.
        const std::string_view bytes(tail.data() + offset, kId3FieldLength);
        info.*field = DecodeText(TrimSpaces(StripTagNul(bytes)));
    }
    return info;
}

// File offsets [begin, end) of the part of a RIFF file that holds its INFO entries.
struct Region {
    std::uint64_t begin;
    std::uint64_t end;
};

// Offset of the first "data" in any letter case within the head.
std::optional<std::size_t> FindDataTag(const Head& head) {
    static constexpr std::string_view kData = "data";
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    const auto it = std::search(head.begin(), head.end(), kData.begin(), kData.end(),
                                [&](char a, char b) { return lower(a) == b; });
    if (it == head.end()) return std::nullopt;
    return static_cast<std::size_t>(it - head.begin());
}

// A WAVE file's entries follow its data chunk; a RIFF-MP3 file's are searched from byte 20 on.
// Nothing for another form type, a data tag without its size in the head, or a data chunk
// that reaches the end of the file (or past it: sizes near 4 GB).
std::optional<Region> InfoRegion(const Head& head, std::uint64_t fileSize) {
    std::uint64_t begin;
    if (HasAt(head, 8, "WAVE")) {
        const auto tag = FindDataTag(head);
        if (!tag || *tag + kEntryHeaderLength > head.size()) return std::nullopt;
        begin = *tag + kEntryHeaderLength + Le32(head.data() + *tag + kIdLength);
    } else if (HasAt(head, 8, "RMP3")) {
        begin = 20;
    } else {
        return std::nullopt;
    }
    if (begin >= fileSize) return std::nullopt;
    return Region{begin, fileSize};
}

using EntryOffsets = std::array<std::optional<std::uint64_t>, kRiffEntries.size()>;

// Reads a region block by block. The last block read stays in memory, so that entries found in
// it (all of them, in a small file) are taken without reading the file again.
class RegionReader {
  public:
    RegionReader(MediaSource& file, Region region) : file_(file), region_(region) {}

    // The file offset of the first occurrence of each entry identifier; nothing when the
    // region cannot be read.
    std::optional<EntryOffsets> findEntries() {
        const std::uint64_t length = region_.end - region_.begin;
        block_.resize(kOverlap +
                      static_cast<std::size_t>(std::min<std::uint64_t>(length, kBlockSize)));
        EntryOffsets found;
        std::size_t missing = found.size();
        for (std::uint64_t pos = region_.begin; pos < region_.end && missing > 0;) {
            const std::size_t kept = std::min(kOverlap, blockLength_);
            std::memmove(block_.data(), block_.data() + blockLength_ - kept, kept);
            const auto n =
                static_cast<std::size_t>(std::min<std::uint64_t>(region_.end - pos, kBlockSize));
            if (!file_.read(pos, std::span(block_).subspan(kept, n))) return std::nullopt;
            blockOffset_ = pos - kept;
            blockLength_ = kept + n;
            noteFirstOccurrences(found, missing);
            pos += n;
        }
        return found;
    }

    // The text of the entry whose identifier is at offset, cut at its first NUL. Empty when
    // its size or its text runs past the region; nothing when the file cannot be read.
    std::optional<std::string> entryText(std::uint64_t offset) {
        std::array<char, 4> sizeBytes;
        if (region_.end - offset < kEntryHeaderLength) return std::string();
        if (!read(offset + kIdLength, sizeBytes)) return std::nullopt;
        std::uint64_t pos = offset + kEntryHeaderLength;
        std::uint64_t left = Le32(sizeBytes.data());
        if (left > region_.end - pos) return std::string();
        // Read piece by piece and stop at the NUL: a large size met by chance in the audio then
        // costs no more memory than the text before the NUL.
        std::string text;
        while (left > 0) {
            const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(left, kBlockSize));
            const std::size_t old = text.size();
            text.resize(old + n);
            if (!read(pos, std::span(text).subspan(old, n))) return std::nullopt;
            const std::size_t kept = StripTagNul(std::string_view(text).substr(old)).size();
            if (kept < n) {
                text.resize(old + kept);
                break;
            }
            pos += n;
            left -= n;
        }
        return text;
    }

  private:
    void noteFirstOccurrences(EntryOffsets& found, std::size_t& missing) const {
        const std::string_view block(block_.data(), blockLength_);
        for (std::size_t i = block.find('I'); i != std::string_view::npos && missing > 0;
             i = block.find('I', i + 1)) {
            const std::string_view id = block.substr(i, kIdLength);
            for (std::size_t k = 0; k < kRiffEntries.size(); ++k) {
                if (found[k] || id != kRiffEntries[k].id) continue;
                found[k] = blockOffset_ + i;
                --missing;
            }
        }
    }

    bool read(std::uint64_t offset, std::span<char> out) {
        if (offset >= blockOffset_ && offset - blockOffset_ + out.size() <= blockLength_) {
            std::memcpy(out.data(), block_.data() + (offset - blockOffset_), out.size());
            return true;
        }
        return file_.read(offset, out);
    }

    MediaSource& file_;
    Region region_;
    std::vector<char> block_;
    std::uint64_t blockOffset_ = 0;  // file offset of block_[0]
    std::size_t blockLength_ = 0;
};

MediaInfo ReadRiffInfo(MediaSource& file, const Head& head) {
    const auto region = InfoRegion(head, file.size());
    if (!region) return {};
    RegionReader reader(file, *region);
    const auto offsets = reader.findEntries();
    if (!offsets) return {};
    MediaInfo info;
    for (std::size_t k = 0; k < kRiffEntries.size(); ++k) {
        if (!(*offsets)[k]) continue;
        const auto text = reader.entryText(*(*offsets)[k]);
        if (!text) return {};
        info.*kRiffEntries[k].field = DecodeText(*text);
    }
    return info;
}

}  // namespace

std::string_view StripTagNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

MediaInfo ReadMediaInfo(const std::string& path) {
    if (path.find_first_not_of(' ') == std::string::npos) return {};
    FileSource file(path);
    if (!file.isOpen()) return {};
    return ReadMediaInfo(file);
}

MediaInfo ReadMediaInfo(MediaSource& file) {
    Head head;
    Tail tail;
    if (file.size() < kTailSize || !file.read(0, head) || !file.read(file.size() - kTailSize, tail))
        return {};
    if (HasAt(head, 0, "RIF") && tail[0] == 'I') return ReadRiffInfo(file, head);
    // A file that starts with an ID3 version 2 tag yields nothing, not even its version 1 tag.
    if (HasAt(head, 0, "ID3")) return {};
    return ReadId3v1(tail);
}

}  // namespace zuk
