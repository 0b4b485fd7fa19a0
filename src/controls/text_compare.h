#pragma once

#include <string_view>

namespace zuk {

// ASCII letter case ignored; other bytes (UTF-8 sequences included) compared as they are.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);
inline bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace zuk
