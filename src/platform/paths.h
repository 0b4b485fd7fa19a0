#pragma once

#include <optional>
#include <string>

namespace zuk {

// folder + "/" unless it already ends with "/" (the root keeps its single slash).
std::string WithTrailingSlash(std::string folder);

// The folder of the running executable, ending with "/": the portable install's home.
std::string AppFolder();

// Where "zuk.ini" and "zuk.zul" live: appFolder when that folder is writable or already holds
// "zuk.ini", otherwise $XDG_CONFIG_HOME/zuk/ (default ~/.config/zuk/), created when missing.
// Ends with "/".
std::string SettingsFolder(const std::string& appFolder);

// The per-user configuration folder of zuk ($XDG_CONFIG_HOME/zuk/ or ~/.config/zuk/), not
// created. Ends with "/".
std::string UserConfigFolder();

// The private per-user folder for the wrapper files: $XDG_RUNTIME_DIR/zuk/ when that variable
// is set, else $TMPDIR (or /tmp) + "/zuk-<uid>/". Created with mode 0700 when missing (and
// closed to others when found open). Nothing when it cannot be made, is a symbolic link, is not
// a folder or is not owned by this user. Ends with "/".
std::optional<std::string> PrivateRuntimeFolder();

}  // namespace zuk
