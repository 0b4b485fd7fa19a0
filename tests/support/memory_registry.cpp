#include "support/memory_registry.h"

#include <utility>

namespace zuk::test {

bool MemoryRegistryStore::write(const Change& change) {
    if (refuseWrites) return false;
    RegistryTree changed = tree;
    if (!change(changed)) return false;
    if (changed.revision() != tree.revision()) ++changingWrites;
    tree = std::move(changed);
    return true;
}

void MemoryRegistryStore::set(const std::string& path, const std::string& name,
                              const std::string& text) {
    tree.createKey(path);
    tree.setValue(path, name, text);
}

std::string MemoryRegistryStore::text(const std::string& path, const std::string& name) const {
    const std::string* value = tree.value(path, name);
    return value ? *value : "<none>";
}

}  // namespace zuk::test
