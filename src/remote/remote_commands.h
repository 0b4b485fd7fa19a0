#pragma once

namespace zuk {

class Program;

void WireRemoteCommands(Program& p);

}  // namespace zuk
