#pragma once

#include <array>

#include "controls/button.h"
#include "controls/check_box.h"
#include "controls/text_box.h"
#include "controls/timer.h"
#include "controls/window.h"

namespace zuk {

// The remote window "Remote": eight skip buttons whose captions are their steps in seconds,
// and the section play controls.
class RemoteWindow : public Window {
  public:
    RemoteWindow();

    Frame Frame1{"早送り・巻戻し(秒)"};
    std::array<Button, 8> Command1{Button{"5"},  Button{"10"},  Button{"15"},  Button{"30"},
                                   Button{"-5"}, Button{"-10"}, Button{"-15"}, Button{"-30"}};
    Frame Frame2;
    CheckBox Check1{"部分再生(秒)(&B)"};
    Button Command2{"ここから(&S)"};
    Button Command3{"ここまで(&E)"};
    TextBox Text1{"0"};
    TextBox Text2{"0"};
    CheckBox Check2{"部分繰り返し"};
    Button Command4{"クリア(&C)"};
    Timer Timer1{10, false};  // section timer

    // While false, closing the window only hides it.
    bool ShuttingDown = false;
};

}  // namespace zuk
