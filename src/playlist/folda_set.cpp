#include "playlist/folda_set.h"

#include "player/program.h"

namespace zuk {

void WireFoldaSet(Program& p) {
    FoldaSetWindow& w = p.FoldaSet;
    w.onCloseRequest = [&w] {
        w.hide();
        return w.ShuttingDown;
    };
    w.Command4.onClick = [&w] { w.requestClose(); };
}

}  // namespace zuk
