#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zuk {

class Program;

// One value of the settings file: a boolean (#TRUE#, #FALSE#), a number, or a text.
struct SettingsValue {
    std::variant<bool, double, std::string> value;
    std::string written;  // the field as it stood in the file
};

struct SettingsRecord {
    std::string key;
    SettingsValue value;
};

// Splits the settings file into key and value pairs, taken in turn whatever the lines are.
// Empty lines hold no record and are passed over; a key without a value at the end is dropped.
std::vector<SettingsRecord> ParseSettings(std::string_view bytes);

// The file's bytes for the current state of the controls: 27 records in their fixed order, then
// one record per folder-add extension, each line ending in CR LF.
std::string FormatSettings(Program& p);

// Reads the settings file at path and applies each record at once, in file order, through the
// controls' setters, so that every handler runs as when the user changes the control. Records
// with an unknown key or a value of the wrong kind are skipped; the rest is kept.
void LoadSettings(Program& p, const std::string& path);

// Writes the controls' state to the settings file at path (a temporary file renamed over it);
// false when nothing could be written.
bool SaveSettings(Program& p, const std::string& path);

}  // namespace zuk
