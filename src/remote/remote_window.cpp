#include "remote/remote_window.h"

namespace zuk {

RemoteWindow::RemoteWindow() : Window("Tavrin MediaPlayer - ﾘﾓｺﾝ", 2895, 2820) {
    for (Button& b : Command1) b.setTooltip("Ctrl+クリックで時間を変更できます。");
}

}  // namespace zuk
