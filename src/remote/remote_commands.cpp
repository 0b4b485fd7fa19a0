#include "remote/remote_commands.h"

#include "player/program.h"

namespace zuk {

void WireRemoteCommands(Program& p) {
    p.Remote.onCloseRequest = [&p] {
        p.Main.mnuSetRemote.setChecked(false);
        if (p.Remote.ShuttingDown) return true;
        p.Remote.hide();
        return false;
    };
}

}  // namespace zuk
