#include "support/unprivileged.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace zuk::test {
namespace {

const passwd* Nobody() {
    return ::getpwnam("nobody");
}

}  // namespace

bool IsRoot() {
    return ::geteuid() == 0;
}

void HandToUnprivileged(const std::string& path) {
    if (const passwd* pw = Nobody()) {
        if (::chown(path.c_str(), pw->pw_uid, pw->pw_gid) != 0) std::abort();
    }
}

bool RunUnprivileged(const std::function<bool()>& fn) {
    const passwd* pw = Nobody();
    if (!pw) std::abort();
    const uid_t uid = pw->pw_uid;
    const gid_t gid = pw->pw_gid;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(3);
        ::_exit(fn() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace zuk::test
