// Every limit of the program through dump and info: a listing at the limit is read whole, one a
// step past it fails with a message that names the listing and says which limit it passed.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"
#include "support/limit_listings.h"

namespace fp {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::string& command, const std::string& listing) {
    std::ostringstream out;
    std::ostringstream err;
    const CommandLineHooks noHooks{[](const ExportRequest&) { return 99; },
                                   [](const std::string&) { return 99; }};
    const int status = runCommandLine({command, listing}, out, err, noHooks);
    return {status, out.str(), err.str()};
}

class Limits : public ::testing::TestWithParam<testing::LimitCase> {};

TEST_P(Limits, DumpAndInfoReadTheListingAtTheLimitAndRefuseOneStepPast) {
    const testing::LimitCase& limit = GetParam();
    const std::string at = testing::writeTestListing(limit.atLimit);
    const std::string past = testing::writeTestListing(limit.pastLimit);
    for (const char* command : {"dump", "info"}) {
        const Outcome fits = run(command, at);
        EXPECT_EQ(fits.status, 0) << command << ": " << fits.err;
        const Outcome fails = run(command, past);
        EXPECT_EQ(fails.status, 2) << command;
        EXPECT_NE(fails.err.find(past + (limit.level == 0 ? ", line " : ": ")), std::string::npos)
            << command << ": " << fails.err;
        EXPECT_NE(fails.err.find(limit.message), std::string::npos) << command << ": " << fails.err;
    }
    EXPECT_TRUE(run("dump", past).out.empty()) << "a dump is printed whole or not at all";
}

INSTANTIATE_TEST_SUITE_P(EveryLimit, Limits, ::testing::ValuesIn(testing::limitCases()),
                         testing::limitCaseName);

}  // namespace
}  // namespace fp
