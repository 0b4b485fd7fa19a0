#include "playlist/list_file.h"

#include "controls/list_box.h"
#include "controls/text_compare.h"
#include "platform/files.h"
#include "platform/text_codec.h"

namespace zuk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Steps over the separator that ended a field: a comma, or one line end (CR LF counts once).
std::size_t SkipSeparator(std::string_view s, std::size_t i) {
    if (i >= s.size()) return i;
    if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') return i + 2;
    return i + 1;
}

std::size_t FindFieldEnd(std::string_view s, std::size_t i) {
    while (i < s.size() && s[i] != ',' && !IsLineEnd(s[i])) ++i;
    return i;
}

}  // namespace

std::vector<std::string> ParseListEntries(std::string_view s, std::size_t maxEntries) {
    std::vector<std::string> entries;
    std::size_t i = 0;
    while (i < s.size() && entries.size() < maxEntries) {
        while (i < s.size() && IsBlank(s[i])) ++i;
        std::string_view field;
        if (i < s.size() && s[i] == '"') {
            const std::size_t close = s.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? s.size() : close;
            field = s.substr(i + 1, end - i - 1);
            i = FindFieldEnd(s, std::min(end + 1, s.size()));
        } else {
            const std::size_t end = FindFieldEnd(s, i);
            field = s.substr(i, end - i);
            i = end;
        }
        entries.push_back(DecodeText(field));
        i = SkipSeparator(s, i);
    }
    return entries;
}

ListFileRead ReadListFile(const std::string& path, std::size_t maxEntries) {
    auto data = ReadWholeFile(path);
    if (!data) return {};
    return {ParseListEntries(*data, maxEntries), true};
}

bool AppendListFile(ListBox& list, const std::string& path) {
    ListFileRead read =
        ReadListFile(path, static_cast<std::size_t>(ListBox::kMaxEntries - list.count()));
    list.addMany(std::move(read.entries));
    return read.ok;
}

bool IsListFileNameAnyCase(std::string_view path) {
    return EndsWithIgnoringCase(path, "m3u") || EndsWithIgnoringCase(path, "zul");
}

bool IsListFileNameExact(std::string_view path) {
    return EndsWith(path, "m3u") || EndsWith(path, "zul");
}

std::string FormatListFile(const std::vector<std::string>& entries) {
    std::size_t size = 0;
    for (const auto& e : entries) size += e.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& e : entries) {
        out += e;
        out += "\r\n";
    }
    return out;
}

bool WriteListFile(const std::string& path, const std::vector<std::string>& entries) {
    return WriteFileAtomically(path, FormatListFile(entries));
}

}  // namespace zuk
