// Opening a listing settles a set of files an earlier run left half-done beside it, and the
// command line says so on standard error.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/command_line.h"
#include "files/set_journal.h"

namespace fp {
namespace {

namespace fs = std::filesystem;

std::string textOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(InterruptedSetNotice, OpeningTheListingFinishesTheSetBesideItAndSaysSo) {
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("frameplan_notice_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file("samples/office-block.anl", folder / "office.anl");
    // Killed after putting the panels in place, before the beams.
    std::ofstream(folder / "loads-panels.csv") << "new";
    std::ofstream(folder / "loads-beams.csv") << "old";
    std::ofstream(folder / "loads-beams.csv.part7-1") << "new";
    std::ofstream(folder / kSetJournalName)
        << journalText({{"loads-panels.csv.part7-1", "loads-panels.csv"},
                        {"loads-beams.csv.part7-1", "loads-beams.csv"}});

    std::ostringstream out;
    std::ostringstream err;
    const CommandLineHooks hooks{[](const ExportRequest&) { return 0; },
                                 [](const std::string&) { return 0; }};
    EXPECT_EQ(runCommandLine({"info", (folder / "office.anl").string()}, out, err, hooks), 0);
    EXPECT_EQ(textOf(folder / "loads-beams.csv"), "new");
    EXPECT_FALSE(fs::exists(folder / kSetJournalName));
    EXPECT_NE(err.str().find("frameplan: An earlier run was stopped while it put "
                             "loads-panels.csv and loads-beams.csv in place in " +
                             folder.string()),
              std::string::npos)
        << err.str();
    fs::remove_all(folder);
}

}  // namespace
}  // namespace fp
