#include "assoc/registry_writer.h"

#include <optional>

namespace zuk {
namespace {

using Access = Registry::Access;

const std::string kCommandKey =
    std::string(kFileType) + "\\Shell\\" + std::string(kVerb) + "\\Command";
const std::string kIconKey = std::string(kFileType) + "\\DefaultIcon";

// Opens an extension's key for reading; a missing key is created instead, which leaves it
// empty and without read access, so the read that follows fails.
std::optional<Registry::Key> OpenExtensionForReading(Registry& registry,
                                                     const std::string& extension) {
    if (auto key = registry.openKey(extension, Access::Query)) return key;
    return registry.createKey(extension, Access::CreateSubKey);
}

// The text of one value of an extension's key; nothing when it cannot be read.
std::optional<std::string> ReadExtensionValue(Registry& registry, const std::string& extension,
                                              const std::string& name) {
    const auto key = OpenExtensionForReading(registry, extension);
    if (!key) return std::nullopt;
    auto text = registry.queryValue(*key, name, kReadBufferSize);
    registry.closeKey(*key);
    return text;
}

// Makes a key (and its missing parents) exist.
bool MakeKey(Registry& registry, const std::string& path) {
    const auto key = registry.createKey(path, Access::CreateSubKey);
    if (key) registry.closeKey(*key);
    return key.has_value();
}

}  // namespace

void RegSetValueExstr(Registry& registry, const std::string& strSubKey, std::string_view DataName,
                      std::string_view SetValue) {
    const auto key = registry.openKey(strSubKey, Access::SetValue);
    if (!key) return;
    registry.setValue(*key, std::string(DataName), std::string(SetValue));
    registry.closeKey(*key);
}

void RegisterExe(Registry& registry, const std::string& ExpansionChild) {
    const auto previous = ReadExtensionValue(registry, ExpansionChild, "");
    // The comparison counts letter case: "Korvane" is some other program's type.
    if (!previous || *previous == kFileType) return;
    RegSetValueExstr(registry, ExpansionChild, kSavedTypeValue, *previous);
    RegSetValueExstr(registry, ExpansionChild, "", kFileType);
}

void setting(Registry& registry, const std::string& kaku) {
    RegisterExe(registry, kaku);
}

void back(Registry& registry, const std::string& ExpansionChild) {
    const auto saved = ReadExtensionValue(registry, ExpansionChild, std::string(kSavedTypeValue));
    if (saved) RegSetValueExstr(registry, ExpansionChild, "", *saved);
}

bool ApplyAssociations(Registry& registry, const std::string& folder,
                       std::span<const ExtensionChoice> choices) {
    if (!MakeKey(registry, kCommandKey) || !MakeKey(registry, kIconKey)) return false;
    const std::string player = folder + std::string(kPlayerName);
    RegSetValueExstr(registry, kIconKey, "", player + ",0");
    RegSetValueExstr(registry, std::string(kFileType), "", kFileTypeDescription);
    RegSetValueExstr(registry, std::string(kFileType) + "\\Shell", "", kVerb);
    RegSetValueExstr(registry, kCommandKey, "", "\"" + player + "\" %1");
    for (const ExtensionChoice& choice : choices) {
        const std::string extension(choice.extension);
        if (choice.linked) {
            setting(registry, extension);
        } else {
            back(registry, extension);
        }
    }
    return true;
}

}  // namespace zuk
