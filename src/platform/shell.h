#pragma once

#include <string>

namespace zuk {

// Starting programs and opening addresses through the desktop.
class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a web address or a "mailto:" target with the desktop's handler.
    virtual void openUrl(const std::string& url) = 0;
    // Starts a program without arguments and without waiting; false when it could not start.
    virtual bool startProgram(const std::string& path) = 0;
};

}  // namespace zuk
