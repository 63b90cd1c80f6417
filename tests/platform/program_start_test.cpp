// The running program's own file, and a hand-over to a program that cannot be started.
#include <gtest/gtest.h>

#include <system_error>

#include "platform/own_program_file.h"
#include "platform/program_handover.h"

namespace fp {
namespace {

TEST(OwnProgramFile, IsThisTestProgramByItsAbsolutePath) {
    const std::filesystem::path file = ownProgramFile();
    EXPECT_TRUE(file.is_absolute()) << file;
    EXPECT_EQ(file.filename(), "platform_tests");
    EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file;
}

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
