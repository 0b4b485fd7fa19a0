#include "platform/mpv/asx_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "platform/ascii_case.h"

namespace zuk {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Position of needle in text at or after from, ignoring letter case; npos when absent.
size_t FindNoCase(std::string_view text, std::string_view needle, size_t from = 0) {
    if (from > text.size()) return std::string_view::npos;
    auto it =
        std::search(text.begin() + static_cast<long>(from), text.end(), needle.begin(),
                    needle.end(), [](char a, char b) { return FoldAscii(a) == FoldAscii(b); });
    return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

// Position just after the start tag "<name ...>" found at or after from, or npos. The name
// must end there ("<titles>" is no "<title>").
size_t FindStartTag(std::string_view text, std::string_view name, size_t from,
                    size_t* tagStart = nullptr) {
    const std::string open = "<" + std::string(name);
    for (size_t at = FindNoCase(text, open, from); at != std::string_view::npos;
         at = FindNoCase(text, open, at + 1)) {
        const size_t after = at + open.size();
        if (after < text.size() &&
            (IsSpace(text[after]) || text[after] == '>' || text[after] == '/')) {
            if (tagStart) *tagStart = at;
            return after;
        }
    }
    return std::string_view::npos;
}

std::string Trim(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return std::string(s);
}

// Text between "<name>" and "</name>" in scope; empty when the element is missing.
std::string ElementText(std::string_view scope, std::string_view name) {
    size_t open = FindStartTag(scope, name, 0);
    if (open == std::string_view::npos) return {};
    open = scope.find('>', open - 1);
    if (open == std::string_view::npos) return {};
    const size_t close = FindNoCase(scope, "</" + std::string(name), open + 1);
    return Trim(scope.substr(
        open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
}

// The value of the href attribute of the tag whose attributes start at from. The value is
// looked for on the line of "href": a quoted value ends at the first matching quote that
// closes the tag or is followed by another attribute, so quotes, "<", ">" and "&" inside a
// path survive.
std::string HrefValue(std::string_view text, size_t from) {
    const size_t href = FindNoCase(text, "href", from);
    if (href == std::string_view::npos ||
        text.substr(from, href - from).find('>') != std::string_view::npos)
        return {};
    const size_t lineEnd = text.find('\n', href);
    const std::string_view tag = text.substr(
        href, lineEnd == std::string_view::npos ? std::string_view::npos : lineEnd - href);
    size_t at = 4;
    while (at < tag.size() && IsSpace(tag[at])) ++at;
    if (at >= tag.size() || tag[at] != '=') return {};
    ++at;
    while (at < tag.size() && IsSpace(tag[at])) ++at;
    if (at >= tag.size()) return {};
    const char quote = tag[at];
    if (quote != '"' && quote != '\'') {
        size_t end = at;
        while (end < tag.size() && !IsSpace(tag[end]) && tag[end] != '>') ++end;
        if (end > at && tag[end - 1] == '/' && (end == tag.size() || tag[end] == '>')) --end;
        return std::string(tag.substr(at, end - at));
    }
    for (size_t end = tag.find(quote, at + 1); end != std::string_view::npos;
         end = tag.find(quote, end + 1)) {
        size_t next = end + 1;
        while (next < tag.size() && IsSpace(tag[next])) ++next;
        const bool closesTag = next == tag.size() || tag[next] == '>' || tag[next] == '/';
        const bool nextAttribute = next > end + 1 && next < tag.size() &&
                                   std::isalpha(static_cast<unsigned char>(tag[next]));
        if (closesTag || nextAttribute) return std::string(tag.substr(at + 1, end - at - 1));
    }
    return Trim(tag.substr(at + 1));
}

std::vector<std::string> Refs(std::string_view scope) {
    std::vector<std::string> refs;
    for (size_t at = FindStartTag(scope, "ref", 0); at != std::string_view::npos;
         at = FindStartTag(scope, "ref", at)) {
        std::string href = HrefValue(scope, at);
        if (!href.empty()) refs.push_back(std::move(href));
    }
    return refs;
}

}  // namespace

AsxEntry ReadAsx(std::string_view text) {
    std::string_view scope = text;
    const size_t entry = FindStartTag(text, "entry", 0);
    if (entry != std::string_view::npos) {
        const size_t end = FindNoCase(text, "</entry", entry);
        scope = text.substr(entry,
                            end == std::string_view::npos ? std::string_view::npos : end - entry);
    }
    return {ElementText(scope, "title"), ElementText(scope, "author"),
            ElementText(scope, "copyright"), Refs(scope)};
}

std::string DecodeXmlEntities(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> kEntities{
        {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto match = std::find_if(kEntities.begin(), kEntities.end(), [&](const auto& e) {
            return text.compare(i, e.first.size(), e.first) == 0;
        });
        if (match != kEntities.end()) {
            out += match->second;
            i += match->first.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace zuk
