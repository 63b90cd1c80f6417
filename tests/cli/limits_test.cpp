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

// A listing past a limit of the reading cannot be read at all; past a limit of one level, the
// rest of the listing is given and the level says so in its place, with its own exit status.
TEST_P(Limits, AtTheLimitAllIsGivenAndAStepPastTheListingOrOnlyItsLevelIsRefused) {
    const testing::LimitCase& limit = GetParam();
    const std::string at = testing::writeTestListing(limit.atLimit);
    const std::string past = testing::writeTestListing(limit.pastLimit);
    const int status = limit.level == 0 ? 2 : 1;
    for (const char* command : {"dump", "info"}) {
        const Outcome fits = run(command, at);
        EXPECT_EQ(fits.status, 0) << command << ": " << fits.err;
        const Outcome fails = run(command, past);
        EXPECT_EQ(fails.status, status) << command;
        EXPECT_NE(fails.err.find(past + (limit.level == 0 ? ", line " : ": ")), std::string::npos)
            << command << ": " << fails.err;
        EXPECT_NE(fails.err.find(limit.message), std::string::npos) << command << ": " << fails.err;
    }
    const Outcome dump = run("dump", past);
    if (limit.level == 0) {
        EXPECT_TRUE(dump.out.empty()) << "a listing that cannot be read prints nothing";
    } else {
        const std::string level = "{\"index\": " + std::to_string(limit.level) + ", ";
        const std::size_t where = dump.out.find(level);
        ASSERT_NE(where, std::string::npos) << dump.out;
        const std::string entry =
            dump.out.substr(where, dump.out.find("{\"index\": ", where + 1) - where);
        EXPECT_NE(entry.find("\"limit\": "), std::string::npos) << entry;
        EXPECT_NE(entry.find(limit.message), std::string::npos) << entry;
        EXPECT_EQ(entry.find("\"beams\""), std::string::npos) << entry;
        EXPECT_EQ(dump.out.substr(dump.out.size() - 4), "]\n}\n") << "the dump is whole";

        std::ostringstream out;
        std::ostringstream err;
        const std::string csv = past.substr(0, past.size() - 4) + "-schedule";
        const int written = runCommandLine(
            {"schedule", past, "-o", csv + ".csv"}, out, err,
            {[](const ExportRequest&) { return 99; }, [](const std::string&) { return 99; }});
        EXPECT_EQ(written, 1) << err.str();
        EXPECT_NE(out.str().find("Wrote " + csv + "-panels.csv"), std::string::npos) << out.str();
        EXPECT_NE(err.str().find(limit.message), std::string::npos) << err.str();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLimit, Limits, ::testing::ValuesIn(testing::limitCases()),
                         testing::limitCaseName);

}  // namespace
}  // namespace fp
