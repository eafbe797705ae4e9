#include "tests/reliability/support/ForkedChild.h"

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace reliability {

namespace {
// Exit status of a child whose restrictions could not be applied.
constexpr int kRestrictionFailed = 125;
constexpr size_t kReadChunk = 4096;

bool restrict(const ChildLimits& limits) {
    if (limits.fileSizeLimit >= 0) {
        // Without this the first write past the limit would kill the child.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit size{
            static_cast<rlim_t>(limits.fileSizeLimit),
            limits.softLimitOnly ? RLIM_INFINITY : static_cast<rlim_t>(limits.fileSizeLimit)};
        if (setrlimit(RLIMIT_FSIZE, &size) != 0) {
            return false;
        }
    }
    if (limits.asNobody) {
        if (setgroups(limits.extraGroups.size(), limits.extraGroups.data()) != 0 ||
            setgid(limits.group) != 0 || setuid(limits.user) != 0) {
            return false;
        }
    }
    return true;
}
}  // namespace

ChildOutcome ForkedChild::run(const std::function<int()>& body, const ChildLimits& limits) {
    ChildOutcome outcome;
    // A pipe, not a file: the child's file size limit must not cut its messages.
    int ends[2];
    if (pipe(ends) != 0) {
        return outcome;
    }
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(kTimeLimitSeconds);
        close(ends[0]);
        dup2(ends[1], STDOUT_FILENO);
        const int code = restrict(limits) ? body() : kRestrictionFailed;
        std::fflush(stdout);
        _exit(code);
    }
    close(ends[1]);
    char chunk[kReadChunk];
    ssize_t got = 0;
    while ((got = read(ends[0], chunk, sizeof chunk)) > 0) {
        outcome.output.append(chunk, static_cast<size_t>(got));
    }
    close(ends[0]);
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        outcome.exitCode = WEXITSTATUS(status);
    }
    return outcome;
}

bool ForkedChild::canDropPrivileges() {
    return geteuid() == 0;
}

}  // namespace reliability
