#pragma once

#include <memory>
#include <string>

#include "player/program.h"
#include "support/fake_player.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace zuk::test {

// A whole program on fakes: a temporary program folder (also the settings folder), a fake
// player, scripted dialogs, and a virtual clock that drives all four timers.
struct ProgramFixture {
    ProgramFixture();

    // Runs start-up with the given command-line text.
    void start(const std::string& commandLine = {});

    TempDir dir;
    std::string runtime;  // XDG_RUNTIME_DIR of the test: the wrappers go to runtime + "zuk/"
    FakePlayer player;
    ScriptedDialogs dialogs;
    FakeShell shell;
    FakeWindowOps windowOps;
    VirtualClock clock;
    std::unique_ptr<Program> program;

    MainWindow& main() { return program->Main; }
    ListWindow& list() { return program->List; }
};

}  // namespace zuk::test
