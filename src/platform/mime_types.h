#pragma once

#include <string>
#include <string_view>

#include "platform/classes_registry.h"

namespace zuk {

// The system's table of file types: "/etc/mime.types".
inline constexpr const char* kSystemMimeTypes = "/etc/mime.types";

// The file types of a mime.types text: lines "type ext1 ext2 ...", "#" starting a comment.
// Gives ".ext" (lower case) -> type; the first line naming an extension wins.
SystemFileTypes ParseMimeTypes(std::string_view text);

// ParseMimeTypes of the file at path; nothing when it cannot be read.
SystemFileTypes ReadMimeTypes(const std::string& path);

}  // namespace zuk
