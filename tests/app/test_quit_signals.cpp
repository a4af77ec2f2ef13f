#include <gtest/gtest.h>

#include <csignal>

#include "app/QuitSignals.h"

TEST(QuitSignals, TerminationAndInterruptOnlyRaiseTheFlag) {
    catchQuitSignals();
    EXPECT_FALSE(quitSignalled());
    std::raise(SIGTERM);  // would end the test binary if it were not caught
    EXPECT_TRUE(quitSignalled());
    std::raise(SIGINT);
    EXPECT_TRUE(quitSignalled());
}
