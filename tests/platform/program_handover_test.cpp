// A hand-over to a program that cannot be started leaves this run going with the reason; the
// command line's program tests hand over to frameplan-gui for real.
#include <gtest/gtest.h>

#include <system_error>

#include "platform/program_handover.h"

namespace fp {
namespace {

TEST(ProgramHandover, AProgramThatIsNotThereFailsWithItsReasonAndThisRunGoesOn) {
    char name[] = "frameplan-gui";
    char* argv[] = {name, nullptr};
    try {
        handOverTo("/nonexistent/frameplan-gui", argv);
        FAIL() << "handOverTo returned without a failure";
    } catch (const std::system_error& failure) {
        EXPECT_EQ(failure.code(), std::errc::no_such_file_or_directory) << failure.what();
    }
}

}  // namespace
}  // namespace fp
