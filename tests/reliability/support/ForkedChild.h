#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace reliability {

// How a child process is restricted before its work starts.
struct ChildLimits {
    ChildLimits(bool asNobody_ = false, long long fileSizeLimit_ = -1)
        : asNobody(asNobody_), fileSizeLimit(fileSizeLimit_) {}

    // Drop to the unprivileged user kNobody, so that permission bits count (tests
    // run as root, and root ignores them).
    bool asNobody;
    // Largest file the child may write, in bytes (a full disk in miniature);
    // negative for no limit. Writes past it fail with EFBIG, not a signal.
    long long fileSizeLimit;
    // With asNobody: the user and group the child runs as, and further groups it
    // belongs to. Plain numbers: the system needs no entry for them.
    uid_t user = 65534;
    gid_t group = 65534;
    std::vector<gid_t> extraGroups;
    // With a file size limit: leave the hard limit unlimited, as "ulimit -S -f" does.
    bool softLimitOnly = false;
};

// What a child left behind.
struct ChildOutcome {
    int exitCode = -1;   // -1 when it ended by a signal
    std::string output;  // its standard output
};

// Work done in a forked child: the child runs one function and exits with its
// answer, without returning into the test program. Its standard output is
// captured, and it is killed if it runs longer than kTimeLimitSeconds.
class ForkedChild {
public:
    static constexpr uid_t kNobody = 65534;
    // A second unprivileged user, with no entry in the system, and a group that
    // the tests make the two users share.
    static constexpr uid_t kSecondUser = 65533;
    static constexpr gid_t kSharedGroup = 65532;
    static constexpr unsigned kTimeLimitSeconds = 120;

    // Runs body in a child restricted by limits; waits for it and answers its outcome.
    static ChildOutcome run(const std::function<int()>& body, const ChildLimits& limits = {});
    // True when children can drop to another user (the tests run as root).
    static bool canDropPrivileges();
};

}  // namespace reliability
