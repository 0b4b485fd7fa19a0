#include "platform/text_fields.h"

#include "platform/text_codec.h"

namespace zuk {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::size_t FindFieldEnd(std::string_view s, std::size_t i) {
    while (i < s.size() && s[i] != ',' && !IsLineEnd(s[i])) ++i;
    return i;
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

}  // namespace

std::vector<TextField> ReadTextFields(std::string_view s, TrailingBlanks trailing,
                                      std::size_t maxFields) {
    std::vector<TextField> fields;
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
            i = FindFieldEnd(s, std::min(end + 1, s.size()));
        } else {
            const std::size_t end = FindFieldEnd(s, i);
            text = s.substr(i, end - i);
            if (trailing == TrailingBlanks::Trim) text = TrimTrailingBlanks(text);
            i = end;
        }
        field.text = DecodeText(text);
        field.emptyLine = emptyLine;
        atLineStart = i >= s.size() || IsLineEnd(s[i]);
        fields.push_back(std::move(field));
        i = SkipSeparator(s, i);
    }
    return fields;
}

}  // namespace zuk
