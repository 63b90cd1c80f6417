// Which of the program's forms the command line runs: the window unless a command is named, and
// the status each hook returns as the program's own.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace fp {
namespace {

struct HookCalls {
    std::optional<std::string> windowListing;
    int exports = 0;
};

int run(const std::vector<std::string>& arguments, HookCalls& calls, int hookStatus = 0) {
    const CommandLineHooks hooks{[&](const ExportRequest&) {
                                     ++calls.exports;
                                     return hookStatus;
                                 },
                                 [&](const std::string& listing) {
                                     calls.windowListing = listing;
                                     return hookStatus;
                                 }};
    std::ostringstream out;
    std::ostringstream err;
    return runCommandLine(arguments, out, err, hooks);
}

TEST(CommandLineForms, WithoutACommandTheWindowOpensOnTheListingOrAsksForOne) {
    HookCalls asks;
    EXPECT_EQ(run({}, asks), 0);
    EXPECT_EQ(asks.windowListing, "");
    HookCalls named;
    EXPECT_EQ(run({"tower.anl"}, named), 0);
    EXPECT_EQ(named.windowListing, "tower.anl");
    EXPECT_EQ(named.exports, 0);
}

TEST(CommandLineForms, TheStatusOfTheWindowOrTheExportIsTheProgramsStatus) {
    HookCalls window;
    EXPECT_EQ(run({"tower.anl"}, window, 3), 3);
    HookCalls exported;
    EXPECT_EQ(run({"export", "tower.anl", "-o", "p.png"}, exported, 3), 3);
    EXPECT_EQ(exported.exports, 1);
    EXPECT_FALSE(exported.windowListing.has_value());
}

TEST(CommandLineForms, DumpAndInfoCallNeitherHook) {
    for (const char* command : {"dump", "info"}) {
        HookCalls calls;
        EXPECT_EQ(run({command, "/nonexistent/tower.anl"}, calls), 2) << command;
        EXPECT_FALSE(calls.windowListing.has_value()) << command;
        EXPECT_EQ(calls.exports, 0) << command;
    }
}

// A listing whose name starts with "-" is named after "--", which ends the options.
TEST(CommandLineForms, DoubleDashEndsTheOptionsSoANameMayStartWithADash) {
    HookCalls calls;
    std::ostringstream out;
    std::ostringstream err;
    const CommandLineHooks hooks{[](const ExportRequest&) { return 0; },
                                 [](const std::string&) { return 0; }};
    EXPECT_EQ(runCommandLine({"dump", "--", "-odd.anl"}, out, err, hooks), 2);
    EXPECT_NE(err.str().find("-odd.anl: The listing cannot be opened"), std::string::npos)
        << err.str();
    EXPECT_EQ(run({"--", "-odd.anl"}, calls), 0);
    EXPECT_EQ(calls.windowListing, "-odd.anl");
}

// A stream whose every write fails, as standard output on a full disk or a closed pipe does.
class FailingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(CommandLineForms, HelpAndVersionThatCannotBeWrittenFail) {
    const CommandLineHooks hooks{[](const ExportRequest&) { return 0; },
                                 [](const std::string&) { return 0; }};
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--help"}, {"--version"}, {"export", "--help"}, {"schedule", "--help"}}) {
        FailingBuffer failing;
        std::ostream out(&failing);
        std::ostringstream err;
        EXPECT_EQ(runCommandLine(arguments, out, err, hooks), 2) << arguments[0];
        EXPECT_NE(err.str().find("Cannot write the standard output"), std::string::npos)
            << err.str();
    }
}

}  // namespace
}  // namespace fp
