#pragma once

#include <string>

#include "platform/classes_registry.h"
#include "platform/registry_tree.h"

namespace zuk::test {

// A registry store in memory that counts the writes that changed something, and can be told
// to refuse every write.
class MemoryRegistryStore : public RegistryStore {
  public:
    RegistryTree tree;
    bool refuseWrites = false;
    int changingWrites = 0;

    const RegistryTree* read() override { return &tree; }
    bool write(const Change& change) override;

    // Makes the key and sets one of its values.
    void set(const std::string& path, const std::string& name, const std::string& text);
    // The value's text, or "<none>" when it or its key is missing.
    std::string text(const std::string& path, const std::string& name = {}) const;
};

}  // namespace zuk::test
