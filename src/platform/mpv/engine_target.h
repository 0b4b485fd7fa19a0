#pragma once

#include <string>

namespace zuk {

// What the engine is given for a path that a list entry or a command line names. Only local
// files and http(s), rtsp and mms streams may be opened: every other engine protocol or
// option-like prefix ("edl://", "av://", "lavf://", "memory://", "concat:", a leading "--")
// is part of a plain local file name, which the engine gets as an absolute path so that it
// can never read it as anything else. Relative names are taken from baseFolder (ending "/").
std::string EngineTarget(const std::string& path, const std::string& baseFolder);

// True for the stream URLs the player opens (http, https, rtsp, mms and its variants).
bool IsStreamUrl(const std::string& path);

// True when the name ends in ".asx", ignoring letter case.
bool IsAsxName(const std::string& path);

// The folder of a local path, ending with "/"; "" for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace zuk
