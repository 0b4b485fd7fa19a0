#include "platform/registry_tree.h"

#include <algorithm>
#include <utility>

#include "platform/ascii_case.h"

namespace zuk {
namespace {

// Folded, with the separator below every other character so that a key sorts right after its
// parent and before the parent's next sibling ("a\b" before "a.b").
std::string SortKey(std::string_view path) {
    std::string key(path);
    for (char& c : key) c = c == '\\' ? '\x01' : FoldAscii(c);
    return key;
}

}  // namespace

bool RegistryTree::ValidPath(std::string_view path) {
    if (path.empty() || path.front() == '\\' || path.back() == '\\') return false;
    if (path.find("\\\\") != std::string_view::npos) return false;
    return std::ranges::none_of(path, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

const RegistryTree::Key* RegistryTree::find(std::string_view path) const {
    const auto it = keys_.find(SortKey(path));
    return it == keys_.end() ? nullptr : &it->second;
}

RegistryTree::Key* RegistryTree::find(std::string_view path) {
    return const_cast<Key*>(std::as_const(*this).find(path));
}

bool RegistryTree::createKey(std::string_view path) {
    if (!ValidPath(path)) return false;
    for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        const std::string_view prefix = path.substr(0, end);
        if (keys_.try_emplace(SortKey(prefix), Key{std::string(prefix), {}}).second) ++revision_;
        if (end == std::string_view::npos) return true;
    }
}

const std::string* RegistryTree::value(std::string_view path, std::string_view name) const {
    const Key* key = find(path);
    if (!key) return nullptr;
    const auto it = std::ranges::find_if(
        key->values, [name](const Value& v) { return EqualIgnoringCase(v.name, name); });
    return it == key->values.end() ? nullptr : &it->text;
}

bool RegistryTree::setValue(std::string_view path, std::string_view name, std::string_view text) {
    Key* key = find(path);
    if (!key) return false;
    const auto it = std::ranges::find_if(
        key->values, [name](const Value& v) { return EqualIgnoringCase(v.name, name); });
    if (it == key->values.end()) {
        key->values.push_back({std::string(name), std::string(text)});
    } else if (it->text != text) {
        it->text = text;
    } else {
        return true;
    }
    ++revision_;
    return true;
}

std::vector<const RegistryTree::Key*> RegistryTree::keys() const {
    std::vector<const Key*> out;
    out.reserve(keys_.size());
    for (const auto& [sortKey, key] : keys_) out.push_back(&key);
    return out;
}

}  // namespace zuk
