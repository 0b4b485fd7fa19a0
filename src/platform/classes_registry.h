#pragma once

#include <functional>
#include <map>
#include <string>
#include <unordered_map>

#include "platform/registry.h"
#include "platform/registry_tree.h"

namespace zuk {

// Where the user's keys are kept. Reads see a tree that the store refreshes when it changed;
// writes run a change on the newest tree and keep the result.
class RegistryStore {
  public:
    // Gives true when the change succeeded (false: keep nothing).
    using Change = std::function<bool(RegistryTree&)>;

    virtual ~RegistryStore() = default;
    // The current keys; nullptr when the store cannot be read.
    virtual const RegistryTree* read() = 0;
    // Runs change on the current keys and keeps the result; false when the change failed or
    // the result could not be kept (nothing changes then).
    virtual bool write(const Change& change) = 0;
};

// The file types the system knows for extensions: ".mp3" -> "audio/mpeg", extensions in lower
// case.
using SystemFileTypes = std::map<std::string, std::string>;

// HKEY_CLASSES_ROOT as the Win32 calls see it: the user's keys over the system's file types.
// An extension key (".mp3") that the user's store lacks still exists when the system knows a
// file type for the extension, with that type as its default value, as on a system where
// installed programs registered the common extensions; the first write to it copies it into
// the user's store. Handles remember their access: reading needs Access::Query, writing
// Access::SetValue.
class ClassesRegistry : public Registry {
  public:
    explicit ClassesRegistry(RegistryStore& store, SystemFileTypes system = {});

    std::optional<Key> openKey(const std::string& path, Access access) override;
    std::optional<Key> createKey(const std::string& path, Access access) override;
    std::optional<std::string> queryValue(Key key, const std::string& name,
                                          std::size_t bufferSize) override;
    bool setValue(Key key, const std::string& name, const std::string& text) override;
    void closeKey(Key key) override;

  private:
    struct Handle {
        std::string path;
        Access access;
    };

    // The system's file type when path is an extension key that the user's tree lacks.
    const std::string* systemType(const RegistryTree& tree, const std::string& path) const;
    // Copies the extension key that path lies in into the user's tree when it exists only on
    // the system's side, before a write there hides the system's type.
    void copySystemKey(RegistryTree& tree, const std::string& path) const;
    Key open(const std::string& path, Access access);
    const Handle* handle(Key key, Access needed) const;

    RegistryStore& store_;
    SystemFileTypes system_;
    std::unordered_map<Key, Handle> handles_;
    Key lastKey_ = 0;
};

}  // namespace zuk
