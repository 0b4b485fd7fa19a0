#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace zuk {

// The player's file type and what is written for it.
inline constexpr std::string_view kFileType = "korvane";
// The value inside an extension's key that keeps its file type from before it was linked.
inline constexpr std::string_view kSavedTypeValue = "korvane.bak";
inline constexpr std::string_view kFileTypeDescription = "マルチメディアファイル";
inline constexpr std::string_view kVerb = "TavrinMediaPlayer";
inline constexpr std::string_view kPlayerName = "zuk";
// Every text is read into a buffer of this many bytes, its terminating NUL included.
inline constexpr std::size_t kReadBufferSize = 1024;

// One extension of the table and whether the user wants it linked.
struct ExtensionChoice {
    std::string_view extension;
    bool linked;
};

// Writes one text value into an existing key below HKEY_CLASSES_ROOT; never creates the key.
// A key that cannot be opened for writing is skipped without a word.
void RegSetValueExstr(Registry& registry, const std::string& strSubKey, std::string_view DataName,
                      std::string_view SetValue);

// Links the extension to the player's file type, saving the type it had before. An extension
// without a file type, or already linked, is left as it is.
void RegisterExe(Registry& registry, const std::string& ExpansionChild);
// Associates the extension.
void setting(Registry& registry, const std::string& kaku);
// Gives the extension back the file type saved when it was linked, whatever it has now.
void back(Registry& registry, const std::string& ExpansionChild);

// The "設定" of the dialog: writes the player's file type (folder ends with "/"), then links
// or gives back each extension in the order given. False when the file type's keys could not
// be made: nothing else is written then.
bool ApplyAssociations(Registry& registry, const std::string& folder,
                       std::span<const ExtensionChoice> choices);

}  // namespace zuk
