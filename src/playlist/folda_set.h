#pragma once

namespace zuk {

class Program;

void WireFoldaSet(Program& p);

}  // namespace zuk
