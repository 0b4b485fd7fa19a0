#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace zuk {

// Splits the bytes of a list file (.zul, .m3u) into entries by the entry reading rule: blanks
// before a field are skipped; a field that starts with a double quote runs to the next double
// quote (the rest up to the next comma or line end is dropped); any other field runs to the
// next comma or line end. CR LF, a lone LF and a lone CR all end a line; the end of the data
// ends the last field. Each entry is decoded by DecodeText. At most maxEntries are taken.
std::vector<std::string> ParseListEntries(
    std::string_view bytes, std::size_t maxEntries = std::numeric_limits<std::size_t>::max());

struct ListFileRead {
    std::vector<std::string> entries;
    bool ok = false;  // false: the file could not be opened or read (entries then empty)
};
ListFileRead ReadListFile(const std::string& path,
                          std::size_t maxEntries = std::numeric_limits<std::size_t>::max());

// The list writer: every entry unchanged, each followed by CR LF. An empty list is 0 bytes.
std::string FormatListFile(const std::vector<std::string>& entries);
// Writes through a temporary file and a rename; false when nothing could be written.
bool WriteListFile(const std::string& path, const std::vector<std::string>& entries);

}  // namespace zuk
