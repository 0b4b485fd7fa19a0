#pragma once

#include <string>

namespace zuk {

class Program;

// The main window's load: companions created hidden, the default playlist and the settings
// read, the command line opened, the window sized; the window is shown afterwards.
// commandLine is the program's arguments joined by single spaces.
void Startup(Program& p, const std::string& commandLine);

// Makes the main window's close run the shutdown: settings and default playlist written (when
// the settings file is writable), then every window closed.
void WireShutdown(Program& p);

// The default list of extensions a folder add takes.
extern const char* const kDefaultFolderAddExtensions[19];

}  // namespace zuk
