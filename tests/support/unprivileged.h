#pragma once
// Runs a piece of a test as an ordinary user. Permission rules (a write-protected file, a folder
// without write permission, a sticky folder) do not hold for root, and tests usually run as root in
// CI: a test that is root switches to the user "nobody" in a child process for the action under
// test; a test that cannot switch is skipped with the reason.

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>

namespace tarvok::testing_users {

// The ids of the user "nobody" on Debian.
inline constexpr uid_t NobodyUser = 65534;
inline constexpr gid_t NobodyGroup = 65534;

// Why this process cannot run something as nobody; "" when it can.
inline std::string cannot_switch_user() {
    return ::geteuid() == 0 ? std::string() : std::string("needs root to switch to the user nobody");
}

// Runs action (returning 0-255) as nobody in a child process and gives back what it returned;
// nothing when the child could not switch or did not end normally. Only plain system calls belong
// in action: the child leaves through _exit, without test assertions or destructors.
template <typename Action>
std::optional<int> as_nobody(Action action) {
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(NobodyGroup) != 0 || ::setuid(NobodyUser) != 0) {
            ::_exit(255);
        }
        ::_exit(action() & 0xFF);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

}  // namespace tarvok::testing_users
