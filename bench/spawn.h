#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace bench {

// Runs a command (looked up on PATH) with its output thrown away and waits for it; false when
// it could not start.
inline bool RunQuietly(const char* const* argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool started = posix_spawnp(&pid, argv[0], &actions, nullptr,
                                      const_cast<char* const*>(argv), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (started) ::waitpid(pid, nullptr, 0);
    return started;
}

}  // namespace bench
