#include "playlist/list_window.h"

namespace zuk {

ListWindow::ListWindow() : Window("Tavrin MediaPlayer - List", 5805, 6090) {
    List2.setVisible(false);
    mnuAdd.items() = {&mnuAddFile, &mnuAddFolda, &mnuAddFoldaSet};
    mnuDelete.items() = {&mnuDeleteSelected, &mnuDeleteUnselected, &mnuDeleteAll,
                         &mnuDeleteDeadfile};
    mnuSelect.items() = {&mnuSelectAll, &mnuSelectChange, &mnuSelectUnselect};
    mnuList.items() = {&mnuListNew, &mnuListLoad, &mnuListSave};
}

}  // namespace zuk
