#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace zuk {

class ListBox;

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

// Reads a list file and appends its entries to list, as many as fit. False when the file could
// not be read (nothing appended then).
bool AppendListFile(ListBox& list, const std::string& path);

// Whether a name ends in "m3u" or "zul" in any letter case (the main window's test) or exactly
// so (the list window's test).
bool IsListFileNameAnyCase(std::string_view path);
bool IsListFileNameExact(std::string_view path);

// The list writer: every entry unchanged, each followed by CR LF. An empty list is 0 bytes.
std::string FormatListFile(const std::vector<std::string>& entries);
// Writes through a temporary file and a rename; false when nothing could be written.
bool WriteListFile(const std::string& path, const std::vector<std::string>& entries);

}  // namespace zuk
