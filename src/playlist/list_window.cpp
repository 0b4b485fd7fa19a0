#include "playlist/list_window.h"

namespace zuk {

ListWindow::ListWindow() : Window("Tavrin MediaPlayer - List", 5805, 6090) {
    List2.setVisible(false);
    // The bar at the bottom, in twips inside Frame1: the four menu buttons above, the transport
    // (play, pause, stop, seek slider and time) below. The window's resize rule places List1 and
    // Frame1 itself.
    Frame1.setGeometry({0, 0, 5415, 735});
    const int menuTop = 90;
    const int menuWidth = 1290;
    Button* menuButtons[] = {&Command1, &Command2, &Command3, &Command4};
    for (int i = 0; i < 4; ++i)
        menuButtons[i]->setGeometry({60 + i * (menuWidth + 30), menuTop, menuWidth, 300});
    const int barTop = 420;
    Command5.setGeometry({60, barTop, 375, 270});
    Command6.setGeometry({465, barTop, 375, 270});
    Command7.setGeometry({870, barTop, 375, 270});
    Slider1.setGeometry({1290, barTop, 3345, 270});
    Label1.setGeometry({4665, barTop + 30, 690, 240});
    mnuAdd.items() = {&mnuAddFile, &mnuAddFolda, &mnuAddFoldaSet};
    mnuDelete.items() = {&mnuDeleteSelected, &mnuDeleteUnselected, &mnuDeleteAll,
                         &mnuDeleteDeadfile};
    mnuSelect.items() = {&mnuSelectAll, &mnuSelectChange, &mnuSelectUnselect};
    mnuList.items() = {&mnuListNew, &mnuListLoad, &mnuListSave};
}

}  // namespace zuk
