#include "player/main_window.h"

namespace zuk {

MainWindow::MainWindow() : Window("Tavrin MediaPlayer", 2760, 660) {
    // The fixed column of groups on the left; none moves when the window is resized.
    Frame1.setGeometry({0, 0, 1455, 1000});
    Frame2.setGeometry({0, 1000, 1455, 1000});
    Frame3.setGeometry({0, 2000, 1455, 915});
    Frame5.setGeometry({0, 2900, 1455, 1335});
    Frame4.setGeometry({0, 4200, 1455, 900});
    for (Frame* f : {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5}) f->setVisible(false);

    Option1.setTooltip("オリジナルのサイズで表示します");
    Option2.setTooltip("２倍のサイズで表示します");
    Check6.setTooltip("ウインドウサイズに合わせて画面のサイズも変わります");
    Text1.setTooltip("再生回数を指定してください");
    Option3.setTooltip("再生回数を指定できます");
    Option4.setTooltip("無限に再生します");
    Slider1.setTooltip("再生スピードを変えられます");
    Command1.setTooltip("標準のスピードで再生します");
    Slider3.setTooltip("音量を調節できます");
    Label6.setTooltip("左右の音量を同じにします");
    Check4.setTooltip("音声のON/OFFを切り替えます");
    Check1.setTooltip("リスト再生を有効にします");
    Check2.setTooltip("リスト内を繰り返し再生します");
    Check5.setTooltip("リストのファイルをランダムに再生します。");
    Command4.setTooltip("前のファイルへ(ALT+SHIFT+<)");
    Command5.setTooltip("次のファイルへ(ALT+SHIFT+>)");
    Command2.setTooltip("リストの表示・非表示");
    for (Control* c :
         std::initializer_list<Control*>{&Command4, &Command5, &Text2, &Label4, &Check2})
        c->setEnabled(false);

    mnuFile.items() = {&mnuFileOpen, &mnuLine0, &mnuFileListshow, &mnuLine1, &mnuFileEnd};
    mnuSet.items() = {&mnuSetListshow, &mnuSetRemote, &mnuSetLine2, &mnuSetBindra, &mnuSetLine0,
                      &mnuSetClip,     &mnuSetMute,   &mnuSetTemae, &mnuSetLine1,  &mnuSetToukei};
    mnuHelp.items() = {&mnuHelpVer, &mnuHelpMedia};
}

}  // namespace zuk
