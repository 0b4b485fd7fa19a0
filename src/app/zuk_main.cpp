// zuk: the composition root. Builds the platform pieces, the program's windows and their
// views, runs start-up and hands over to the event loop.
#include <QApplication>
#include <clocale>
#include <memory>
#include <string>

#include "platform/mpv/mpv_player.h"
#include "platform/paths.h"
#include "platform/qt/folda_set_view.h"
#include "platform/qt/help_view.h"
#include "platform/qt/list_window_view.h"
#include "platform/qt/main_window_view.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/remote_window_view.h"
#include "platform/qt/timer_driver.h"
#include "player/program.h"
#include "player/startup.h"

namespace {

// The arguments after the program name joined by single spaces: the whole text is one path.
// Taken before QApplication removes the arguments it understands itself.
std::string CommandLineText(int argc, char** argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string commandLine = CommandLineText(argc, argv);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // libmpv refuses to start unless numbers are formatted the C way.
    std::setlocale(LC_NUMERIC, "C");

    zuk::QtDialogs dialogs;
    zuk::QtShell shell;
    zuk::QtWindowOps windowOps;
    // Owned here, not by the main window's widgets: the program's teardown still talks to it.
    auto player = std::make_unique<zuk::MpvPlayer>();
    const std::string appFolder = zuk::AppFolder();
    zuk::Program program({*player, dialogs, shell, windowOps},
                         {appFolder, zuk::SettingsFolder(appFolder)});

    zuk::MainWindowView mainView(program.Main, player.get(), windowOps);
    zuk::ListWindowView listView(program.List, windowOps);
    zuk::RemoteWindowView remoteView(program.Remote, windowOps);
    zuk::FoldaSetWindowView foldaSetView(program.FoldaSet, windowOps);
    zuk::HelpWindowView helpView(program.Help, windowOps);
    for (zuk::Timer* t : {&program.Main.Timer1, &program.Main.Timer2, &program.Main.ScreenTime,
                          &program.Remote.Timer1})
        new zuk::TimerDriver(*t, &app);

    zuk::Startup(program, commandLine);
    program.Main.show();
    const int status = app.exec();
    player->setParent(nullptr);
    return status;
}
