#pragma once

#include <array>
#include <functional>

#include "controls/button.h"
#include "controls/list_box.h"
#include "controls/menu_item.h"
#include "controls/observers.h"
#include "controls/slider.h"
#include "controls/window.h"

namespace zuk {

// The playlist window "List": the list box List1 is the playlist itself.
class ListWindow : public Window {
  public:
    ListWindow();

    ListBox List1;
    ListBox List2;  // hidden: the folders of the last folder walk
    Frame Frame1;
    Button Command1{"&Add File"};
    Button Command2{"&Delete File"};
    Button Command3{"&Select File"};
    Button Command4{"&List Edit"};
    Button Command5{">"};
    Button Command6{"∥"};
    Button Command7{"□"};
    Slider Slider1{{0, 1000, 1, 5, 1}, 0};  // seek, whole seconds
    Label Label1{"00:00"};

    MenuItem mnuAdd{"mnuAdd", "&Add File"};
    MenuItem mnuAddFile{"mnuAddFile", "ﾌｧｲﾙを追加(&F)", 'F'};
    MenuItem mnuAddFolda{"mnuAddFolda", "ﾌｫﾙﾀﾞを追加(&V)", 'V'};
    MenuItem mnuAddFoldaSet{"mnuAddFoldaSet", "ﾌｫﾙﾀﾞ追加の設定(&S)", 'S'};
    MenuItem mnuDelete{"mnuDelete", "&Delete File"};
    MenuItem mnuDeleteSelected{"mnuDeleteSelected", "選択範囲(&M)", 'M'};
    MenuItem mnuDeleteUnselected{"mnuDeleteUnselected", "選択範囲外(&N)", 'N'};
    MenuItem mnuDeleteAll{"mnuDeleteAll", "全てのﾌｧｲﾙ(&A)", 'A'};
    MenuItem mnuDeleteDeadfile{"mnuDeleteDeadfile", "無効なﾌｧｲﾙ(&E)", 'E'};
    MenuItem mnuSelect{"mnuSelect", "&Select File"};
    MenuItem mnuSelectAll{"mnuSelectAll", "全て選択(&W)", 'W'};
    MenuItem mnuSelectChange{"mnuSelectChange", "選択範囲の反転(&C)", 'C'};
    MenuItem mnuSelectUnselect{"mnuSelectUnselect", "全て未選択(&X)", 'X'};
    MenuItem mnuList{"mnuList", "&List Edit"};
    MenuItem mnuListNew{"mnuListNew", "新規ﾘｽﾄ作成(&R)", 'R'};
    MenuItem mnuListLoad{"mnuListLoad", "ﾘｽﾄ読み込み(&G)", 'G'};
    MenuItem mnuListSave{"mnuListSave", "ﾘｽﾄ保存(&T)", 'T'};
    MenuItem mnuUp{"mnuUp", "△(&U)"};
    MenuItem mnuDown{"mnuDown", "▽(&D)"};

    std::array<MenuItem*, 6> menuBar{&mnuAdd, &mnuDelete, &mnuSelect, &mnuList, &mnuUp, &mnuDown};

    // False while a mouse button is held on the seek slider.
    bool SliderFollows = true;

    // The Delete key, wherever the focus is in the window: the window sees keys before its
    // controls do.
    Handler onDeleteKey;
    void deleteKey() const { run(onDeleteKey); }

    // Asks the view to pop up one of the window's menus at the mouse position.
    void popupMenu(MenuItem& menu) const { popups_.notify(menu); }
    [[nodiscard]] Subscription observePopups(std::function<void(MenuItem&)> fn) {
        return popups_.add(std::move(fn));
    }

  private:
    Observers<MenuItem&> popups_;
};

}  // namespace zuk
