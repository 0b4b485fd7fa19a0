#include "playlist/list_file.h"

#include "controls/list_box.h"
#include "platform/ascii_case.h"
#include "platform/files.h"
#include "platform/text_fields.h"

namespace zuk {

std::vector<std::string> ParseListEntries(std::string_view bytes, std::size_t maxEntries) {
    std::vector<TextField> fields = ReadTextFields(bytes, TrailingBlanks::Keep, maxEntries);
    std::vector<std::string> entries;
    entries.reserve(fields.size());
    for (TextField& field : fields) entries.push_back(std::move(field.text));
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
