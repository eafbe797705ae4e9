#pragma once

#include <string>

// For the life of the object the repository root is the working directory, so
// that the programs' relative asset paths reach the committed assets; the
// previous working directory comes back at its end. A fuzz entry holds one for
// each input only: libFuzzer writes its corpus and findings by paths relative to
// the directory it was started in, between inputs. Also selects SDL's dummy
// video and audio drivers.
class InRepository {
public:
    InRepository();
    ~InRepository();
    InRepository(const InRepository&) = delete;
    InRepository& operator=(const InRepository&) = delete;

private:
    std::string previous;
};
