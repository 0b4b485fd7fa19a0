#include "playlist/adding_entries.h"

#include <sys/stat.h>

#include "player/program.h"
#include "playlist/list_commands.h"
#include "playlist/list_file.h"

namespace zuk {
namespace {

bool IsExistingFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

}  // namespace

void DDadd(Program& p, const std::string& path) {
    ListBox& list = p.List.List1;
    if (IsExistingFile(path)) {
        if (IsListFileNameExact(path)) {
            AppendListFile(list, path);
        } else {
            list.add(path);
        }
        p.Main.Check1.setValue(1);
    }
    ListRefresh(p);
}

}  // namespace zuk
