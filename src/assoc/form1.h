#pragma once

#include <array>
#include <string>

#include "controls/button.h"
#include "controls/check_box.h"
#include "controls/window.h"
#include "platform/dialogs.h"
#include "platform/registry.h"

namespace zuk {

inline constexpr const char* kForm1Caption = "TavrinMediaPlayerの関連付け";

// The association tool's only window: one toggle per extension, pressed while the extension is
// linked to the player's file type; "設定" writes the choice, "キャンセル" leaves everything.
class Form1 : public Window {
  public:
    // folder: the tool's own folder, where the player must lie too.
    Form1(Registry& registry, Dialogs& dialogs, const std::string& folder);

    Frame Frame1{"TavrinMediaPlayerに関連付けしたい拡張子のボタンを押してください。"};
    CheckBox chkWav{".wav"}, chkAif{".aif"}, chkAiff{".aiff"}, chkSnd{".snd"}, chkAu{".au"};
    CheckBox chkAvi{".avi"}, chkMov{".mov"}, chkMpg{".mpg"}, chkMpe{".mpe"}, chkMpeg{".mpeg"};
    CheckBox chkDat{".dat"}, chkMp3{".mp3"}, chkMp2{".mp2"}, chkRa{".ra"}, chkRm{".rm"};
    CheckBox chkRv{".rv"}, chkRam{".ram"}, chkWma{".wma"}, chkAsf{".asf"}, chkZul{".zul"};
    Button Command1{"設定"};
    Button Command2{"キャンセル"};

    // The toggles in table order, which is also the order of processing; the caption of each is
    // its extension.
    const std::array<CheckBox*, 20> toggles{
        &chkWav, &chkAif, &chkAiff, &chkSnd, &chkAu, &chkAvi, &chkMov, &chkMpg, &chkMpe, &chkMpeg,
        &chkDat, &chkMp3, &chkMp2,  &chkRa,  &chkRm, &chkRv,  &chkRam, &chkWma, &chkAsf, &chkZul};

    // Start-up, before the window is shown: with the player beside the tool, presses the
    // toggles of the linked extensions and gives true; otherwise says so, closes the window
    // and gives false.
    bool Load();
    // Presses the toggle of every extension whose file type is the player's.
    void Kakunin();

  private:
    void apply();

    Registry& registry_;
    Dialogs& dialogs_;
    std::string folder_;
};

}  // namespace zuk
