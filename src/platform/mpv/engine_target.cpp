#include "platform/mpv/engine_target.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace zuk {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

}  // namespace

bool IsStreamUrl(const std::string& path) {
    static constexpr std::array<std::string_view, 6> kSchemes{"http://", "https://", "rtsp://",
                                                              "mms://",  "mmsh://",  "mmst://"};
    return std::any_of(kSchemes.begin(), kSchemes.end(),
                       [&](std::string_view scheme) { return StartsWithNoCase(path, scheme); });
}

std::string EngineTarget(const std::string& path, const std::string& baseFolder) {
    if (IsStreamUrl(path) || path.starts_with('/')) return path;
    return (baseFolder.empty() ? std::string("./") : baseFolder) + path;
}

bool IsAsxName(const std::string& path) {
    return path.size() >= 4 &&
           StartsWithNoCase(std::string_view(path).substr(path.size() - 4), ".asx");
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace zuk
