#pragma once

#include <array>
#include <string>

#include "controls/button.h"
#include "controls/check_box.h"
#include "controls/menu_item.h"
#include "controls/option_button.h"
#include "controls/slider.h"
#include "controls/text_box.h"
#include "controls/timer.h"
#include "controls/window.h"

namespace zuk {

// The main window "Main": its controls, menus and timers. Behaviour lives in the files of each
// concern (start-up, opening, sequencing, sound, layout, menus); Program wires them together.
class MainWindow : public Window {
  public:
    MainWindow();

    // Frames of the left column; hidden until the first medium opens.
    Frame Frame1{"画面ｻｲｽﾞ"};
    Frame Frame2{"再生回数(1File)"};
    Frame Frame3{"再生ｽﾋﾟｰﾄﾞ"};
    Frame Frame4;
    Frame Frame5;

    // Picture size (Frame1).
    OptionGroup sizeGroup;
    OptionButton Option1{sizeGroup, "標準(&1)", true};
    OptionButton Option2{sizeGroup, "2倍(&2)"};
    CheckBox Check3{"ﾌﾙｽｸﾘｰﾝ(&F)"};
    CheckBox Check6{"自由"};

    // Play count (Frame2).
    OptionGroup countGroup;
    OptionButton Option3{countGroup, "指定する(&P)", true};
    OptionButton Option4{countGroup, "無限(&I)"};
    TextBox Text1{"1", 2};
    Label Label1{"回"};

    // Speed (Frame3): Slider1 in tenths of normal speed.
    Slider Slider1{{2, 22, 1, 4, 4}, 10};
    Label Label3{"1"};
    Label Label2{"倍速"};
    Button Command1{"1倍"};

    // Sound (Frame5): Slider3 volume and Slider2 balance, both in 1/100 dB.
    Slider Slider3{{-2500, 0, 1, 500, 250}, 0};
    Label Label5{"音量"};
    Label Label7{"100%"};
    Slider Slider2{{-5000, 5000, 1, 1000, 1000}, 0};
    Label Label6{"バランス"};
    Label Label8{"0%"};
    CheckBox Check4{"音量(&S)", 1};

    // List play (Frame4). Text2 is the 1-based list position, Label4 "/" and the count.
    CheckBox Check1{"ﾘｽﾄ再生(&L)"};
    CheckBox Check2{"ﾘｽﾄ無限", 1};
    CheckBox Check5{"&Rnd"};
    Button Command4{"&<"};
    Button Command5{"&>"};
    TextBox Text2{"1"};
    Label Label4{"/ 1"};
    Button Command2{"/"};

    Timer Timer1{1000, true};       // synchronisation with the player
    Timer Timer2{1000, false};      // deferred start of list entry Text2
    Timer ScreenTime{1500, false};  // re-applies full screen or free size after a start

    // Menus, in menu-bar order.
    MenuItem mnuFile{"mnuFile", "ﾌｧｲﾙ(&F)"};
    MenuItem mnuFileOpen{"mnuFileOpen", "ﾌｧｲﾙを開く(&O)", 'O'};
    MenuItem mnuLine0{"mnuLine0", "-"};
    MenuItem mnuFileListshow{"mnuFileListshow", "ﾘｽﾄを表示(&L)", 'L', true};
    MenuItem mnuLine1{"mnuLine1", "-"};
    MenuItem mnuFileEnd{"mnuFileEnd", "終了(&X)", 'X'};

    MenuItem mnuSet{"mnuSet", "設定(&S)"};
    MenuItem mnuSetListshow{"mnuSetListshow", "ﾘｽﾄを表示(&L)", 0, true};
    MenuItem mnuSetRemote{"mnuSetRemote", "ﾘﾓｺﾝを表示(&R)", 'R', true};
    MenuItem mnuSetLine2{"mnuSetLine2", "-"};
    MenuItem mnuSetBindra{"mnuSetBindra", "関連付けの設定(&K)", 'K'};
    MenuItem mnuSetLine0{"mnuSetLine0", "-"};
    MenuItem mnuSetClip{"mnuSetClip", "ｸﾘｯﾌﾟ、作成者、著作権情報の表示(&C)", 'C', true};
    MenuItem mnuSetMute{"mnuSetMute", "低速再生時にミュートする(&M)", 'M', true};
    MenuItem mnuSetTemae{"mnuSetTemae", "常に手前に表示する(&T)", 'T', true};
    MenuItem mnuSetLine1{"mnuSetLine1", "-"};
    MenuItem mnuSetToukei{"mnuSetToukei", "統計の表示(&H)", 'H'};

    MenuItem mnuHelp{"mnuHelp", "ﾍﾙﾌﾟ(&H)"};
    MenuItem mnuHelpVer{"mnuHelpVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)", 'A'};
    MenuItem mnuHelpMedia{"mnuHelpMedia", "Media Player のﾊﾞｰｼﾞｮﾝ(&B))", 'B'};

    std::array<MenuItem*, 3> menuBar{&mnuFile, &mnuSet, &mnuHelp};

    bool ShuttingDown = false;
    bool TopMostPending = false;
};

}  // namespace zuk
