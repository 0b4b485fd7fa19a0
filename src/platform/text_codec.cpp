#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

namespace zuk {
namespace {

// Length of the UTF-8 sequence starting at s[i], or 0 when it is not a valid one (overlong
// forms, surrogates and code points above U+10FFFF are invalid).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80) return 1;
    std::size_t n;
    std::uint32_t cp;
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr std::uint32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

std::optional<std::string> Convert(std::string_view bytes, const char* from) {
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(bytes.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    const auto byte = [&bytes](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    for (std::size_t i = 0; i < bytes.size();) {
        // Runs of ASCII, the bulk of any path, eight bytes a step.
        std::uint64_t word;
        if (i + sizeof word <= bytes.size()) {
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if ((word & 0x8080808080808080u) == 0) {
                i += sizeof word;
                continue;
            }
        }
        const unsigned char c = byte(i);
        if (c < 0x80) {
            ++i;
            continue;
        }
        // Three bytes, the length of every kana and kanji, checked in line: not overlong and
        // not a surrogate.
        if ((c & 0xF0) == 0xE0 && i + 3 <= bytes.size() && (byte(i + 1) & 0xC0) == 0x80 &&
            (byte(i + 2) & 0xC0) == 0x80) {
            const unsigned cp =
                ((c & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu);
            if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
            i += 3;
            continue;
        }
        const std::size_t n = Utf8SequenceLength(bytes, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string DecodeText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    if (auto text = Convert(bytes, "CP932")) return *std::move(text);
    return Latin1ToUtf8(bytes);
}

}  // namespace zuk
