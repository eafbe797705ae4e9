#pragma once

#include <sys/types.h>

#include <functional>
#include <string>

namespace reliability {

// How a child process is restricted before its work starts.
struct ChildLimits {
    // Drop to the unprivileged user kNobody, so that permission bits count (tests
    // run as root, and root ignores them).
    bool asNobody = false;
    // Largest file the child may write, in bytes (a full disk in miniature);
    // negative for no limit. Writes past it fail with EFBIG, not a signal.
    long long fileSizeLimit = -1;
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
    static constexpr unsigned kTimeLimitSeconds = 120;

    // Runs body in a child restricted by limits; waits for it and answers its outcome.
    static ChildOutcome run(const std::function<int()>& body, const ChildLimits& limits = {});
    // True when children can drop to another user (the tests run as root).
    static bool canDropPrivileges();
};

}  // namespace reliability
