#pragma once

#include "controls/button.h"
#include "controls/check_box.h"
#include "controls/list_box.h"
#include "controls/text_box.h"
#include "controls/window.h"

namespace zuk {

// The folder-add settings window "FoldaSet": the extensions a folder add takes, and whether
// it takes the files of sub-folders too.
class FoldaSetWindow : public Window {
  public:
    FoldaSetWindow() : Window("フォルダ選択の設定", 4815, 3735) {}

    Frame Frame1{"サブフォルダの設定"};
    CheckBox Check1{"サブフォルダのファイルも追加する。"};
    Frame Frame2{"追加する拡張子の設定"};
    TextBox Text1;
    Button Command1{"→追加→"};
    Button Command2{"←編集←"};
    Button Command3{"削除"};
    ListBox List1;
    Label Label1{"全拡張子の指定には * を入れてください。"};
    Button Command4{"OK"};

    // While false, closing the window only hides it.
    bool ShuttingDown = false;
};

}  // namespace zuk
