#include "player/settings_file.h"

#include "player/program.h"

namespace zuk {

// The record format and its reader come with the settings work; until then start-up keeps
// every control's initial value and shutdown leaves any existing file as it is.
void LoadSettings(Program&, const std::string&) {}

void SaveSettings(Program&, const std::string&) {}

}  // namespace zuk
