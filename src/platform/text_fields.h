#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace zuk {

// One field of a text of comma-separated fields, as the list and settings files are read:
// blanks before a field are skipped; a field that starts with a double quote runs to the next
// double quote (whatever follows up to the next comma or line end is dropped); any other field
// runs to the next comma or line end. CR LF, a lone LF and a lone CR all end a line; the end of
// the data ends the last field. Texts are decoded by DecodeText.
struct TextField {
    std::string text;
    bool quoted = false;
    bool emptyLine = false;  // the field is an empty line of its own
};

enum class TrailingBlanks { Keep, Trim };

// Reads up to maxFields fields.
std::vector<TextField> ReadTextFields(
    std::string_view bytes, TrailingBlanks trailing,
    std::size_t maxFields = std::numeric_limits<std::size_t>::max());

}  // namespace zuk
