#include "support/program_fixture.h"

#include "player/startup.h"

namespace zuk::test {

ProgramFixture::ProgramFixture()
    : program(std::make_unique<Program>(Platform{player, dialogs, shell, windowOps},
                                        Folders{dir.path(), dir.path()})) {
    for (Timer* t : {&program->Main.Timer1, &program->Main.Timer2, &program->Main.ScreenTime,
                     &program->Remote.Timer1})
        clock.add(*t);
}

void ProgramFixture::start(const std::string& commandLine) {
    Startup(*program, commandLine);
    program->Main.show();
}

}  // namespace zuk::test
