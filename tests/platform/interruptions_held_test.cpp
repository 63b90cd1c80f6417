// SIGINT and SIGTERM wait while a set of files is put in place, and arrive once it is.
#include "platform/interruptions_held.h"

#include <gtest/gtest.h>

#include <csignal>

namespace fp {
namespace {

volatile std::sig_atomic_t arrived = 0;

void record(int signal) {
    arrived = signal;
}

TEST(InterruptionsHeld, SigintAndSigtermWaitUntilTheyAreLetThrough) {
    for (const int signal : {SIGINT, SIGTERM}) {
        const auto before = std::signal(signal, record);
        arrived = 0;
        {
            const InterruptionsHeld held;
            std::raise(signal);
            EXPECT_EQ(arrived, 0) << signal;
        }
        EXPECT_EQ(arrived, signal);
        std::signal(signal, before);
    }
}

}  // namespace
}  // namespace fp
