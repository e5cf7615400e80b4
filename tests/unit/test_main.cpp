#include <gtest/gtest.h>

#include <cstdlib>

// SDL's dummy drivers: real SDL, no display or sound device needed. A driver
// already chosen in the environment is kept.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
