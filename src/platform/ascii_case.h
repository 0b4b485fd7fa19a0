#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace zuk {

// Letter case folding of the ASCII letters only: names the program compares (registry keys,
// extensions) are ASCII, and other bytes of UTF-8 text must stay as they are.
inline char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string LowerAscii(std::string text) {
    std::ranges::transform(text, text.begin(), FoldAscii);
    return text;
}

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

inline bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

inline bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           EqualIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

inline bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

inline bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    // std::search, not std::ranges::search: clang 14 cannot build the latter's subrange result
    // over libstdc++ 12 (the fuzz build).
    return part.empty() ||
           std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char x, char y) { return FoldAscii(x) == FoldAscii(y); }) != text.end();
}

// Name order without regard to the case of ASCII letters.
inline bool LessIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::lexicographical_compare(
        a, b, [](char x, char y) { return FoldAscii(x) < FoldAscii(y); });
}

}  // namespace zuk
