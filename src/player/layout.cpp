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

// Option1 (own size) and Option2 (double size).
void PictureSizeClick(Program& p, int size) {
    MainWindow& m = p.Main;
    if (m.state() != WindowState::Normal) m.setState(WindowState::Normal);
    m.Check6.setValue(0);
    p.platform.player.setDisplaySize(size);
    if (m.state() == WindowState::Normal) FitWindowToPicture(p);
}

// With free size the picture follows the window (a margin of 750 twips here, not 800).
void Resize(Program& p) {
    MainWindow& m = p.Main;
    if (m.height() <= 750 || m.width() <= 1800 || !m.Check6.ticked()) return;
    p.platform.player.setHeight(m.height() - 750);
    p.platform.player.setWidth(m.width() - 1800);
}

void FreeSizeClick(Program& p) {
    if (!p.Main.Check6.ticked()) return;
    p.platform.player.setTop(0);
    p.platform.player.setDisplaySize(DisplaySize::Fit);
    Resize(p);
}

void AlwaysOnTopClick(Program& p) {
    MainWindow& m = p.Main;
    const int flag = m.mnuSetTemae.checked() ? 0 : 1;
    if (m.mnuFileListshow.checked()) p.platform.windowOps.setTopMost(p.List, flag);
    if (m.mnuSetRemote.checked()) p.platform.windowOps.setTopMost(p.Remote, flag);
    p.platform.windowOps.setTopMost(m, flag);
    m.mnuSetTemae.setChecked(flag == 1);
}

// One-shot, 1500 ms after a list entry started: full screen or free size again.
void ScreenTimeTick(Program& p) {
    MainWindow& m = p.Main;
    if (m.Check3.ticked()) p.platform.player.setDisplaySize(DisplaySize::FullScreen);
    if (m.Check6.ticked()) FreeSizeClick(p);
    m.ScreenTime.stop();
}

}  // namespace

void WireLayout(Program& p) {
    MainWindow& m = p.Main;
    m.Check3.onClick = [&p] { FullScreenClick(p); };
    m.Option1.onClick = [&p] { PictureSizeClick(p, DisplaySize::Own); };
    m.Option2.onClick = [&p] { PictureSizeClick(p, DisplaySize::Double); };
    m.Check6.onClick = [&p] { FreeSizeClick(p); };
    m.onResize = [&p] { Resize(p); };
    m.mnuSetTemae.onClick = [&p] { AlwaysOnTopClick(p); };
    m.ScreenTime.onTick = [&p] { ScreenTimeTick(p); };
}

}  // namespace zuk
