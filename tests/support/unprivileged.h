#pragma once

#include <functional>
#include <string>

namespace zuk::test {

// Runs fn in a child process that has dropped root to the "nobody" user (permission bits do
// not stop root), and gives fn's result. Tests that need it skip when not run as root.
bool RunUnprivileged(const std::function<bool()>& fn);
bool IsRoot();
// Gives a path to the unprivileged user (chown), so that it can write there.
void HandToUnprivileged(const std::string& path);

}  // namespace zuk::test
