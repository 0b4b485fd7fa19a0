#pragma once

// Builders of media file bytes (RIFF INFO entries, ID3 version 1 tags) for the clip
// information tests and benchmark. Header-only, so that the benchmarks can use it without
// GoogleTest.

#include <cstdint>
#include <string>
#include <string_view>

namespace zuk::test {

inline std::string Le32(std::uint32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(v >> (8 * i));
    return s;
}

inline std::string Entry(std::string_view id, std::string_view text) {
    return std::string(id) + Le32(static_cast<std::uint32_t>(text.size())) + std::string(text);
}

inline std::string Info(std::string_view entries) {
    return "LIST" + Le32(static_cast<std::uint32_t>(4 + entries.size())) + "INFO" +
           std::string(entries);
}

// Ends a RIFF file so that its byte 136 before the end is an "I", which is what sends a file
// to the INFO search: a software entry whose text fills the rest, then `last`.
inline std::string EndForInfo(std::string_view last = {}) {
    return Entry("ISFT", std::string(128 - last.size(), '\0')) + std::string(last);
}

inline std::string Riff(std::string_view form, std::string_view body) {
    return "RIFF" + Le32(static_cast<std::uint32_t>(4 + body.size())) + std::string(form) +
           std::string(body);
}

// "fmt " at 12, the data tag at 36, its size at 40, the audio from 44, then `after`.
constexpr std::size_t kWaveDataSizeOffset = 40;
inline std::string Wave(std::string_view after, std::string_view dataTag = "data",
                        std::size_t audioBytes = 16) {
    return Riff("WAVE", Entry("fmt ", std::string(16, '\x01')) + std::string(dataTag) +
                            Le32(static_cast<std::uint32_t>(audioBytes)) +
                            std::string(audioBytes, '\x80') + std::string(after));
}

// ID3 version 1 tag: 128 bytes, fields of 30 bytes padded with `pad`.
inline std::string Id3v1(std::string_view title, std::string_view artist = {},
                         std::string_view album = {}, std::string_view comment = {},
                         char pad = '\0') {
    const auto field = [pad](std::string_view text) {
        std::string f(text);
        f.resize(30, pad);
        return f;
    };
    return "TAG" + field(title) + field(artist) + field(album) + "1999" + field(comment) + "\x0c";
}

// MPEG audio without an ID3 version 2 header, then `tail`.
inline std::string Mp3(std::string_view tail, std::size_t audioBytes = 200) {
    return "\xFF\xFB\x90" + std::string(1, '\0') + std::string(audioBytes, 'U') + std::string(tail);
}

}  // namespace zuk::test
