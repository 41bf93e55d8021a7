// The audio tests run on SDL's dummy driver, which plays in real time without a sound card, and
// under a Qt event loop, which delivers the end-of-music reports.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
