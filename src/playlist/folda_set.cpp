#include "playlist/folda_set.h"

#include "player/program.h"

namespace zuk {
namespace {

void AddExtension(FoldaSetWindow& w) {
    if (!w.Text1.text().empty()) w.List1.add(w.Text1.text());
}

void EditExtension(FoldaSetWindow& w) {
    const int i = w.List1.firstSelected();
    if (i >= 0) w.Text1.setText(w.List1.text(i));
}

// Removes the selected extension and selects the one that moves into its place.
void DeleteExtension(FoldaSetWindow& w) {
    const int i = w.List1.firstSelected();
    if (i < 0) return;
    w.List1.remove(i);
    if (i < w.List1.count()) {
        w.List1.setSelected(i, true);
        w.List1.setCurrentIndex(i);
    }
}

}  // namespace

void WireFoldaSet(Program& p) {
    FoldaSetWindow& w = p.FoldaSet;
    w.onCloseRequest = [&w] {
        w.hide();
        return w.ShuttingDown;
    };
    w.Command1.onClick = [&w] { AddExtension(w); };
    w.Text1.onEnter = [&w] { AddExtension(w); };
    w.Command2.onClick = [&w] { EditExtension(w); };
    w.List1.onDoubleClick = [&w] { EditExtension(w); };
    w.Command3.onClick = [&w] { DeleteExtension(w); };
    w.Command4.onClick = [&w] { w.requestClose(); };
}

}  // namespace zuk
