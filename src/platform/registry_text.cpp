#include "platform/registry_text.h"

#include <optional>

#include "platform/ascii_case.h"

namespace zuk {
namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kRoot = "HKEY_CLASSES_ROOT\\";
constexpr std::string_view kNewline = "\r\n";

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\0':
                out += "\\0";
                break;
            default:
                out += c;
        }
    }
    out += '"';
}

bool Blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Reads a quoted, escaped text at the start of rest and moves rest past it.
std::optional<std::string> TakeQuoted(std::string_view& rest) {
    if (rest.empty() || rest.front() != '"') return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return text;
        }
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i == rest.size()) return std::nullopt;
        switch (rest[i]) {
            case '\\':
                text += '\\';
                break;
            case '"':
                text += '"';
                break;
            case 'n':
                text += '\n';
                break;
            case 'r':
                text += '\r';
                break;
            case '0':
                text += '\0';
                break;
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

// "[HKEY_CLASSES_ROOT\path]" gives the path.
std::optional<std::string_view> KeyLine(std::string_view line) {
    const auto end = line.find_last_not_of(" \t");
    if (line.front() != '[' || line[end] != ']') return std::nullopt;
    const std::string_view inner = line.substr(1, end - 1);
    if (!StartsWithIgnoringCase(inner, kRoot)) return std::nullopt;
    const std::string_view path = inner.substr(kRoot.size());
    if (!RegistryTree::ValidPath(path)) return std::nullopt;
    return path;
}

// '@="text"' or '"name"="text"'.
std::optional<RegistryTree::Value> ValueLine(std::string_view line) {
    RegistryTree::Value value;
    if (line.starts_with('@')) {
        line.remove_prefix(1);
    } else if (auto name = TakeQuoted(line)) {
        value.name = std::move(*name);
    } else {
        return std::nullopt;
    }
    if (!line.starts_with('=')) return std::nullopt;
    line.remove_prefix(1);
    auto text = TakeQuoted(line);
    if (!text || !Blank(line)) return std::nullopt;
    value.text = std::move(*text);
    return value;
}

}  // namespace

std::string FormatRegistryText(const RegistryTree& tree) {
    std::string out(kHeader);
    out += kNewline;
    for (const RegistryTree::Key* key : tree.keys()) {
        out += kNewline;
        out += '[';
        out += kRoot;
        out += key->path;
        out += ']';
        out += kNewline;
        for (const auto& value : key->values) {
            if (value.name.empty()) {
                out += '@';
            } else {
                AppendQuoted(out, value.name);
            }
            out += '=';
            AppendQuoted(out, value.text);
            out += kNewline;
        }
    }
    return out;
}

std::variant<RegistryTree, RegistryTextError> ParseRegistryText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    RegistryTree tree;
    bool headerSeen = false;
    std::optional<std::string> key;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (Blank(line)) continue;
        if (!headerSeen) {
            if (line != kHeader)
                return RegistryTextError{lineNumber, "先頭に REGEDIT4 の行がありません"};
            headerSeen = true;
        } else if (line.front() == '[') {
            const auto path = KeyLine(line);
            if (!path) return RegistryTextError{lineNumber, "キーの行が正しくありません"};
            key = std::string(*path);
            tree.createKey(*key);
        } else {
            const auto value = ValueLine(line);
            if (!value) return RegistryTextError{lineNumber, "値の行が正しくありません"};
            if (!key) return RegistryTextError{lineNumber, "キーより前に値があります"};
            tree.setValue(*key, value->name, value->text);
        }
    }
    return tree;
}

}  // namespace zuk
