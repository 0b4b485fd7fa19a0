#pragma once

namespace zuk {

class Program;

// The open dialog's filter of the load command (the .zul entry, index 2, preselected) and the
// save dialog's filter.
extern const char* const kLoadListFilter;
extern const char* const kSaveListFilter;

// New, load and save list of the list window's List Edit menu.
void WireListFileCommands(Program& p);

}  // namespace zuk
