#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace zuk {

// The per-user class registry (file associations), with the semantics of the Win32 registry
// calls under HKEY_CLASSES_ROOT: keys are paths with "\" between names, compared ignoring
// case; the default value has the empty name; values are texts (REG_SZ). A key's handle can do
// what its access names: read values (Query), set values (SetValue), nothing else
// (CreateSubKey), as a Win32 handle without the right access gets ERROR_ACCESS_DENIED.
class Registry {
  public:
    using Key = int;  // an open key; valid keys are > 0

    enum class Access { Query, SetValue, CreateSubKey };

    virtual ~Registry() = default;
    // Opens an existing key; nothing when it does not exist (or the store cannot be read).
    virtual std::optional<Key> openKey(const std::string& path, Access access) = 0;
    // Opens a key, creating it and every missing parent.
    virtual std::optional<Key> createKey(const std::string& path, Access access) = 0;
    // Reads a value into a buffer of bufferSize bytes (terminating NUL included); nothing
    // when the value is missing or does not fit.
    virtual std::optional<std::string> queryValue(Key key, const std::string& name,
                                                  std::size_t bufferSize) = 0;
    // Sets a text value on an open key; false on failure.
    virtual bool setValue(Key key, const std::string& name, const std::string& text) = 0;
    virtual void closeKey(Key key) = 0;
};

}  // namespace zuk
