#include "playlist/list_commands.h"

#include <functional>
#include <string>
#include <vector>

#include "controls/number_text.h"
#include "platform/files.h"
#include "player/program.h"
#include "playlist/adding_entries.h"
#include "playlist/list_layout.h"
#include "playlist/transport_bar.h"

namespace zuk {
namespace {

// Removes every entry for which doomed(index) holds, then refreshes the count. Text2 is left
// to ListRefresh's clamp, even when it then points at another entry.
void DeleteEntries(Program& p, const std::function<bool(int)>& doomed) {
    p.List.List1.removeIf(doomed);
    ListRefresh(p);
}

void DeleteSelected(Program& p) {
    const ListBox& list = p.List.List1;
    DeleteEntries(p, [&list](int i) { return list.selected(i); });
}

// Moves the current entry one place (step -1 up, +1 down) when it is selected and not at that
// end of the list. The current index follows it, so that the next command moves it again.
void MoveCurrent(ListBox& list, int step) {
    const int from = list.currentIndex();
    if (from == -1 || !list.selected(from)) return;
    const int to = from + step;
    if (to < 0 || to >= list.count()) return;
    std::string text = list.text(from);
    list.remove(from);
    list.insert(to, std::move(text));
    list.setSelected(to, true);
    list.setCurrentIndex(to);
}

// The double-click plays from the list: the position is the first selected entry, the file is
// the current one (the play command corrects the position to what actually plays).
void PlayFromList(Program& p) {
    const int first = p.List.List1.firstSelected();
    if (first != -1) p.Main.Text2.setText(std::to_string(first + 1));
    PlayCurrentEntry(p);
}

void WireSelectAndDelete(Program& p) {
    ListWindow& w = p.List;
    ListBox& list = w.List1;
    w.mnuSelectAll.onClick = [&list] { list.setAllSelected([](int, bool) { return true; }); };
    w.mnuSelectUnselect.onClick = [&list] { list.setAllSelected([](int, bool) { return false; }); };
    w.mnuSelectChange.onClick = [&list] { list.setAllSelected([](int, bool on) { return !on; }); };

    w.mnuDeleteSelected.onClick = [&p] { DeleteSelected(p); };
    w.onDeleteKey = [&p] { DeleteSelected(p); };
    w.mnuDeleteUnselected.onClick = [&p, &list] {
        DeleteEntries(p, [&list](int i) { return !list.selected(i); });
    };
    w.mnuDeleteAll.onClick = [&p] { DeleteEntries(p, [](int) { return true; }); };
    w.mnuDeleteDeadfile.onClick = [&p, &list] {
        DeleteEntries(p, [&list](int i) { return !FileExists(list.text(i)); });
    };
}

void WireMenuButtons(ListWindow& w) {
    // Any mouse button pressed on a menu button pops its menu up where the mouse is.
    const std::pair<Button*, MenuItem*> pairs[] = {{&w.Command1, &w.mnuAdd},
                                                   {&w.Command2, &w.mnuDelete},
                                                   {&w.Command3, &w.mnuSelect},
                                                   {&w.Command4, &w.mnuList}};
    for (const auto& [button, menu] : pairs)
        button->onMouseDown = [&w, menu = menu](KeyModifiers) {
            w.popupMenu(*menu);
            return true;
        };
}

}  // namespace

void ListRefresh(Program& p) {
    const int count = p.List.List1.count();
    p.Main.Label4.setCaption("/" + std::to_string(count));
    if (LeadingNumber(p.Main.Text2.text()) >= count) p.Main.Text2.setText("1");
}

void WireListCommands(Program& p) {
    ListWindow& w = p.List;
    WireSelectAndDelete(p);
    WireMenuButtons(w);
    w.mnuUp.onClick = [&w] { MoveCurrent(w.List1, -1); };
    w.mnuDown.onClick = [&w] { MoveCurrent(w.List1, +1); };
    w.List1.onDoubleClick = [&p] { PlayFromList(p); };
    w.onResize = [&p] { ListResize(p); };
    // Files dropped on the window or any of its controls are added in the order of the drop,
    // without clearing the list or starting to play.
    w.onDrop = [&p](const std::vector<std::string>& paths) {
        for (const std::string& path : paths) DDadd(p, path);
    };
    // Closing only hides the list while the player runs; the list and its state stay.
    w.onCloseRequest = [&p] {
        if (p.Main.ShuttingDown) return true;
        p.Main.mnuFileListshow.setChecked(false);
        p.Main.mnuSetListshow.setChecked(false);
        p.List.hide();
        return false;
    };
    // The window is made with the program, so its load runs now, before any file is open.
    ListWindowLoad(p);
}

}  // namespace zuk
