// Test entry shared by every GoogleTest program: selects SDL's dummy video driver
// (which gives the software renderer) and dummy audio driver, so tests need
// nothing from the caller's environment.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
