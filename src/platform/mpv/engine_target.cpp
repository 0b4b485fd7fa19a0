#include "platform/mpv/engine_target.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/ascii_case.h"

namespace zuk {

bool IsStreamUrl(const std::string& path) {
    static constexpr std::array<std::string_view, 6> kSchemes{"http://", "https://", "rtsp://",
                                                              "mms://",  "mmsh://",  "mmst://"};
    return std::any_of(kSchemes.begin(), kSchemes.end(), [&](std::string_view scheme) {
        return StartsWithIgnoringCase(path, scheme);
    });
}

std::string EngineTarget(const std::string& path, const std::string& baseFolder) {
    if (IsStreamUrl(path) || path.starts_with('/')) return path;
    return (baseFolder.empty() ? std::string("./") : baseFolder) + path;
}

bool IsAsxName(const std::string& path) {
    return EndsWithIgnoringCase(path, ".asx");
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace zuk
