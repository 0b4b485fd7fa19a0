// The list file reader on arbitrary bytes: it must not fail, every entry must come out as
// UTF-8, and the fields must be the ones a plain byte-by-byte reading of the entry reading
// rule gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_codec.h"
#include "playlist/list_file.h"

namespace {

bool IsFieldEnd(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// The rule read one byte at a time: blanks skipped, a quoted field up to the next quote (what
// follows it up to the separator dropped), any other field up to a comma or a line end; CR LF
// is one separator.
std::vector<std::string_view> PlainFields(std::string_view s) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        std::size_t start = i;
        std::size_t end;
        if (i < s.size() && s[i] == '"') {
            start = i + 1;
            end = start;
            while (end < s.size() && s[end] != '"') ++end;
            i = end < s.size() ? end + 1 : end;
            while (i < s.size() && !IsFieldEnd(s[i])) ++i;
        } else {
            end = i;
            while (end < s.size() && !IsFieldEnd(s[end])) ++end;
            i = end;
        }
        fields.push_back(s.substr(start, end - start));
        if (i < s.size()) i += s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n' ? 2 : 1;
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> entries = zuk::ParseListEntries(bytes);
    const std::vector<std::string_view> fields = PlainFields(bytes);
    if (entries.size() != fields.size()) std::abort();
    const bool utf8 = zuk::IsValidUtf8(bytes);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (!zuk::IsValidUtf8(entries[k])) std::abort();
        if (utf8 && entries[k] != fields[k]) std::abort();
        if (entries[k] != zuk::DecodeText(fields[k])) std::abort();
    }
    return 0;
}
