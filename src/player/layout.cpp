#include "player/layout.h"

#include "player/program.h"

namespace zuk {

void FitWindowToPicture(Program& p) {
    PlayerControl& player = p.platform.player;
    const double h = player.height() + 800;
    if (h >= 5910) {
        player.setTop(0);
        p.Main.setHeight(static_cast<int>(h));
    } else {
        p.Main.setHeight(5910);
        player.setTop(static_cast<float>((5910 - h) / 2));  // single precision, as always computed
    }
    p.Main.setWidth(static_cast<int>(player.width() + 1800));
}

int ChosenPictureSize(const Program& p) {
    return p.Main.Option1.value() ? DisplaySize::Own : DisplaySize::Double;
}

void TopMostPendingStep(Program& p) {
    MainWindow& m = p.Main;
    if (!m.TopMostPending) return;
    const int flag = m.mnuSetTemae.checked() ? 1 : 0;
    p.platform.windowOps.setTopMost(m, flag);
    if (m.mnuFileListshow.checked()) p.platform.windowOps.setTopMost(p.List, flag);
    m.TopMostPending = false;
}

void FullScreenCheckStep(Program& p) {
    PlayerControl& player = p.platform.player;
    if (player.displaySize() == DisplaySize::FullScreen) {
        p.Main.Check3.setValue(1);
    } else if (player.currentPosition() > 1.5) {
        p.Main.Check3.setValue(0);
    }
}

namespace {

void FullScreenClick(Program& p) {
    MainWindow& m = p.Main;
    if (m.Check3.ticked()) {
        if (m.mnuSetTemae.checked()) {
            if (m.mnuFileListshow.checked()) p.platform.windowOps.setTopMost(p.List, 0);
            p.platform.windowOps.setTopMost(m, 0);
            m.mnuSetTemae.setChecked(false);
        }
        p.platform.player.setDisplaySize(DisplaySize::FullScreen);
    }
    m.Check6.setValue(0);
}

}  // namespace

void WireLayout(Program& p) {
    p.Main.Check3.onClick = [&p] { FullScreenClick(p); };
}

}  // namespace zuk
