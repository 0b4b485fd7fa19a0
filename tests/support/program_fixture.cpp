#include "support/program_fixture.h"

#include <sys/stat.h>

#include <cstdlib>

#include "player/startup.h"

namespace zuk::test {

ProgramFixture::ProgramFixture()
    : runtime(dir.path() + "run/"),
      program(std::make_unique<Program>(Platform{player, dialogs, shell, windowOps},
                                        Folders{dir.path(), dir.path()})) {
    for (Timer* t : {&program->Main.Timer1, &program->Main.Timer2, &program->Main.ScreenTime,
                     &program->Remote.Timer1})
        clock.add(*t);
    // The wrapper files go to a private folder of this test, never the user's own.
    ::mkdir(runtime.c_str(), 0700);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}

void ProgramFixture::start(const std::string& commandLine) {
    Startup(*program, commandLine);
    program->Main.show();
}

}  // namespace zuk::test
