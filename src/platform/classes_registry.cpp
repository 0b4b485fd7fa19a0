#include "platform/classes_registry.h"

#include <utility>

#include "platform/ascii_case.h"

namespace zuk {

ClassesRegistry::ClassesRegistry(RegistryStore& store, SystemFileTypes system)
    : store_(store), system_(std::move(system)) {}

const std::string* ClassesRegistry::systemType(const RegistryTree& tree,
                                               const std::string& path) const {
    if (tree.hasKey(path)) return nullptr;
    const auto it = system_.find(LowerAscii(path));
    return it == system_.end() ? nullptr : &it->second;
}

void ClassesRegistry::copySystemKey(RegistryTree& tree, const std::string& path) const {
    const std::string top = path.substr(0, path.find('\\'));
    if (const std::string* type = systemType(tree, top)) {
        tree.createKey(top);
        tree.setValue(top, "", *type);
    }
}

ClassesRegistry::Key ClassesRegistry::open(const std::string& path, Access access) {
    handles_.emplace(++lastKey_, Handle{path, access});
    return lastKey_;
}

const ClassesRegistry::Handle* ClassesRegistry::handle(Key key, Access needed) const {
    const auto it = handles_.find(key);
    return it == handles_.end() || it->second.access != needed ? nullptr : &it->second;
}

std::optional<Registry::Key> ClassesRegistry::openKey(const std::string& path, Access access) {
    const RegistryTree* tree = store_.read();
    if (!tree || !RegistryTree::ValidPath(path)) return std::nullopt;
    if (!tree->hasKey(path) && !systemType(*tree, path)) return std::nullopt;
    return open(path, access);
}

std::optional<Registry::Key> ClassesRegistry::createKey(const std::string& path, Access access) {
    const RegistryTree* tree = store_.read();
    if (!tree || !RegistryTree::ValidPath(path)) return std::nullopt;
    // An existing key is only opened, so that nothing is written.
    const bool exists = tree->hasKey(path) || systemType(*tree, path);
    const auto create = [this, &path](RegistryTree& t) {
        copySystemKey(t, path);  // a key below a system-side extension key keeps its type
        return t.createKey(path);
    };
    if (!exists && !store_.write(create)) return std::nullopt;
    return open(path, access);
}

std::optional<std::string> ClassesRegistry::queryValue(Key key, const std::string& name,
                                                       std::size_t bufferSize) {
    const Handle* h = handle(key, Access::Query);
    const RegistryTree* tree = store_.read();
    if (!h || !tree) return std::nullopt;
    const std::string* text = tree->value(h->path, name);
    if (!text && name.empty()) text = systemType(*tree, h->path);
    // The stored text and its terminating NUL must fit the caller's buffer.
    if (!text || text->size() + 1 > bufferSize) return std::nullopt;
    return text->substr(0, text->find('\0'));
}

bool ClassesRegistry::setValue(Key key, const std::string& name, const std::string& text) {
    const Handle* h = handle(key, Access::SetValue);
    if (!h) return false;
    return store_.write([this, h, &name, &text](RegistryTree& tree) {
        copySystemKey(tree, h->path);
        return tree.setValue(h->path, name, text);
    });
}

void ClassesRegistry::closeKey(Key key) {
    handles_.erase(key);
}

}  // namespace zuk
