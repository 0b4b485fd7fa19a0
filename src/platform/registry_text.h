#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "platform/registry_tree.h"

namespace zuk {

// Why a registry text could not be read: the line (counted from 1) and what is wrong with it.
struct RegistryTextError {
    int line = 0;
    std::string reason;
};

// The REGEDIT4 text of a tree, the form a person can read and edit:
//   REGEDIT4
//
//   [HKEY_CLASSES_ROOT\.mp3]
//   @="korvane"
//   "korvane.bak"="mp3file"
// "\" and '"' in names and texts are escaped with "\"; so are line feed, carriage return and
// NUL ("\n", "\r", "\0"), which would otherwise break the line structure. Lines end with CR LF.
std::string FormatRegistryText(const RegistryTree& tree);

// Reads what FormatRegistryText writes (LF or CR LF line ends, a leading UTF-8 byte order mark,
// blank lines anywhere). Empty text is an empty tree. Anything else — another root key, value
// types other than text, a value before the first key — is an error, never skipped: a store
// that dropped what it does not understand would lose it at the next save.
std::variant<RegistryTree, RegistryTextError> ParseRegistryText(std::string_view text);

}  // namespace zuk
