#include "platform/mime_types.h"

#include <algorithm>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/files.h"

namespace zuk {
namespace {

// Splits on blanks; the caller stops at the first word that starts a comment.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    constexpr std::string_view kBlanks = " \t\r";
    for (auto start = line.find_first_not_of(kBlanks); start != std::string_view::npos;
         start = line.find_first_not_of(kBlanks, start)) {
        const auto end = std::min(line.find_first_of(kBlanks, start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end;
    }
    return words;
}

}  // namespace

SystemFileTypes ParseMimeTypes(std::string_view text) {
    SystemFileTypes types;
    while (!text.empty()) {
        const auto newline = std::min(text.find('\n'), text.size());
        const auto words = Words(text.substr(0, newline));
        text.remove_prefix(std::min(newline + 1, text.size()));
        if (words.empty() || words.front().starts_with('#')) continue;
        for (std::size_t i = 1; i < words.size() && !words[i].starts_with('#'); ++i) {
            types.try_emplace(LowerAscii("." + std::string(words[i])), words.front());
        }
    }
    return types;
}

SystemFileTypes ReadMimeTypes(const std::string& path) {
    const auto text = ReadWholeFile(path);
    return text ? ParseMimeTypes(*text) : SystemFileTypes{};
}

}  // namespace zuk
