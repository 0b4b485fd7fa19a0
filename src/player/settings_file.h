#pragma once

#include <string>

namespace zuk {

class Program;

// Reads the settings file at path and applies each record at once, through the controls'
// setters, so that every handler runs as when the user changes the control.
void LoadSettings(Program& p, const std::string& path);

// Writes the controls' state to the settings file at path.
void SaveSettings(Program& p, const std::string& path);

}  // namespace zuk
