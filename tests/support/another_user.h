// A check run as a user without root's rights, for tests of what a folder's rights
// withhold: root may write anywhere, so a test run as root asks as nobody.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scratch {

// What asAnotherUser returns when there is no other user to be.
constexpr int kNoOtherUser = 125;

// Runs `check` in a process of its own, as nobody when this process is root's; its
// exit status, or -1 when it did not end by itself.
template <class Check>
int asAnotherUser(const Check& check) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(kNoOtherUser);
        ::_exit(check());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace scratch
