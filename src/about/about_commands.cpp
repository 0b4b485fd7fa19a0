#include "about/about_commands.h"

#include "player/program.h"

namespace zuk {

void ShowHelp(Program& p) {
    HelpWindow& help = p.Help;
    help.reopen();
    // The call shows the window too.
    p.platform.windowOps.setTopMost(help, p.Main.mnuSetTemae.checked() ? 1 : 0);
    help.show();
}

void WireAbout(Program& p) {
    HelpWindow& help = p.Help;
    Shell& shell = p.platform.shell;
    // The addresses are read from the captions at the moment of the click.
    help.Label3.onClick = [&help, &shell] { shell.openUrl(help.Label3.caption()); };
    help.Label4.onClick = [&help, &shell] { shell.openUrl("mailto:" + help.Label4.caption()); };
    const auto close = [&help] { help.requestClose(); };
    help.Picture1.onClick = close;
    help.Label1.onClick = close;
    help.Label2.onClick = close;
    help.onSurfaceClick = close;
    p.Main.mnuHelpVer.onClick = [&p] { ShowHelp(p); };
}

}  // namespace zuk
