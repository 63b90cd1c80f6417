// Which of the program's forms the command line runs: the window unless a command is named, and
// the status each hook returns as the program's own.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

namespace fp {
namespace {

struct HookCalls {
    std::optional<std::string> windowListing;
    int exports = 0;
};

int run(const std::vector<std::string>& arguments, HookCalls& calls, int hookStatus = 0) {
    const CommandLineHooks hooks{[&](const ExportOptions&) {
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

}  // namespace
}  // namespace fp
