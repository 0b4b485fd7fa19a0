#include "playlist/list_commands.h"

#include <string>

#include "controls/number_text.h"
#include "player/program.h"

namespace zuk {

void ListRefresh(Program& p) {
    const int count = p.List.List1.count();
    p.Main.Label4.setCaption("/" + std::to_string(count));
    if (LeadingNumber(p.Main.Text2.text()) >= count) p.Main.Text2.setText("1");
}

void WireListCommands(Program& p) {
    // Closing only hides the list while the player runs; the list and its state stay.
    p.List.onCloseRequest = [&p] {
        if (p.Main.ShuttingDown) return true;
        p.Main.mnuFileListshow.setChecked(false);
        p.Main.mnuSetListshow.setChecked(false);
        p.List.hide();
        return false;
    };
}

}  // namespace zuk
