#pragma once

#include <string>
#include <string_view>

namespace zuk {

bool IsValidUtf8(std::string_view bytes);

// Text read from outside (media tags, list files): taken as UTF-8 when valid, else decoded as
// CP932 (the code page of the format's Japanese files), else as Latin-1. Gives UTF-8.
std::string DecodeText(std::string_view bytes);

}  // namespace zuk
