#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zuk {

// The keys and text values below HKEY_CLASSES_ROOT, held in memory. Key paths have "\" between
// names; key and value names compare ignoring the case of ASCII letters, as in the Windows
// registry, and keep the spelling they were first given. The default value has the empty name.
class RegistryTree {
  public:
    struct Value {
        std::string name;
        std::string text;
    };
    struct Key {
        std::string path;
        std::vector<Value> values;  // in the order they were first set
    };

    // True for a path of one or more non-empty names without control characters.
    static bool ValidPath(std::string_view path);

    bool hasKey(std::string_view path) const { return find(path) != nullptr; }
    // Makes the key and every missing parent; false when the path is not valid.
    bool createKey(std::string_view path);
    // Nullptr when the key or the value is missing.
    const std::string* value(std::string_view path, std::string_view name) const;
    // Sets a value of an existing key; false when the key is missing.
    bool setValue(std::string_view path, std::string_view name, std::string_view text);

    // Every key, parents before their children, siblings ordered by name ignoring case.
    std::vector<const Key*> keys() const;
    // Counts the changes made, so that a store writes only what changed.
    std::uint64_t revision() const { return revision_; }

  private:
    const Key* find(std::string_view path) const;
    Key* find(std::string_view path);

    std::map<std::string, Key> keys_;  // by SortKey of the path
    std::uint64_t revision_ = 0;
};

}  // namespace zuk
