#include "tests/fuzz/InRepository.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "tests/fuzz/FuzzInput.h"

InRepository::InRepository() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    char here[PATH_MAX];
    FuzzInput::require(getcwd(here, sizeof here) != nullptr, "the working directory is known");
    previous = here;
    FuzzInput::require(chdir(KESTRUN_SOURCE_DIR) == 0, "the repository is the working directory");
}

InRepository::~InRepository() {
    FuzzInput::require(chdir(previous.c_str()) == 0, "the working directory comes back");
}
