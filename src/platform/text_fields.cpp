#include "platform/text_fields.h"

#include <algorithm>
#include <cstring>

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

std::string_view TrimTrailingBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Finds where fields end: at the first comma, CR or LF. memchr steps through many bytes at a
// time; the next CR and LF are remembered until the scan passes them, so every byte is looked
// at a bounded number of times, whatever the line ends and however many commas a line holds.
class FieldEnds {
  public:
    explicit FieldEnds(std::string_view s)
        : s_(s), lf_(next(0, s.size(), '\n')), cr_(next(0, s.size(), '\r')) {}

    // The end of the field that starts at i.
    std::size_t from(std::size_t i) {
        if (lf_ < i) lf_ = next(i, s_.size(), '\n');
        if (cr_ < i) cr_ = next(i, s_.size(), '\r');
        return next(i, std::min(lf_, cr_), ',');
    }

  private:
    // The first c in [from, to), or to.
    std::size_t next(std::size_t from, std::size_t to, char c) const {
        if (from >= to) return to;
        const void* hit = std::memchr(s_.data() + from, c, to - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - s_.data()) : to;
    }

    std::string_view s_;
    std::size_t lf_;
    std::size_t cr_;
};

}  // namespace

std::vector<TextField> ReadTextFields(std::string_view s, TrailingBlanks trailing,
                                      std::size_t maxFields) {
    // Separators are ASCII, so in text that is UTF-8 as a whole every field is UTF-8 too: one
    // check of the whole text instead of one per field.
    const bool utf8 = IsValidUtf8(s);
    std::vector<TextField> fields;
    fields.reserve(
        std::min(maxFields, static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n')) + 1));
    FieldEnds fieldEnd(s);
    std::size_t i = 0;
    bool atLineStart = true;
    while (i < s.size() && fields.size() < maxFields) {
        const bool emptyLine = atLineStart && IsLineEnd(s[i]);
        while (i < s.size() && IsBlank(s[i])) ++i;
        TextField field;
        std::string_view text;
        if (i < s.size() && s[i] == '"') {
            const std::size_t close = s.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? s.size() : close;
            text = s.substr(i + 1, end - i - 1);
            field.quoted = true;
            i = fieldEnd.from(std::min(end + 1, s.size()));
        } else {
            const std::size_t end = fieldEnd.from(i);
            text = s.substr(i, end - i);
            if (trailing == TrailingBlanks::Trim) text = TrimTrailingBlanks(text);
            i = end;
        }
        field.text = utf8 ? std::string(text) : DecodeText(text);
        field.emptyLine = emptyLine;
        atLineStart = i >= s.size() || IsLineEnd(s[i]);
        fields.push_back(std::move(field));
        i = SkipSeparator(s, i);
    }
    return fields;
}

}  // namespace zuk
