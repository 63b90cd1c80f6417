// frameplan never writes an output over the listing it reads, whatever path or link names it,
// and reports every write that fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "program_run.h"

namespace fp::testing {
namespace {

namespace fs = std::filesystem;

ProgramRun frameplan(const std::vector<std::string>& arguments) {
    return runProgram(FRAMEPLAN_BINARY, arguments);
}

std::string sampleText() {
    return fileText("samples/office-block.anl");
}

// The output given names the listing itself, through a link, or by the name derived from it.
struct OverInput {
    const char* name;
    const char* listingName;
    // How the output is named, given the listing's path: a path, or a link made to it.
    std::string (*output)(const std::string& listing);
    std::vector<std::string> command;  // LISTING and OUT stand for the two paths
};

std::string itself(const std::string& listing) {
    return listing;
}
std::string throughSymbolicLink(const std::string& listing) {
    const std::string link = listing + ".link.pdf";
    fs::create_symlink(fs::path(listing).filename(), link);
    return link;
}
std::string throughHardLink(const std::string& listing) {
    const std::string link = listing + ".hard.svg";
    fs::create_hard_link(listing, link);
    return link;
}
std::string throughOtherPath(const std::string& listing) {
    const fs::path path(listing);
    return (path.parent_path() / "." / path.filename()).string();
}
// "s.csv" for the listing "s-panels.csv".
std::string derivedName(const std::string& listing) {
    return listing.substr(0, listing.size() - std::string("-panels.csv").size()) + ".csv";
}

TEST(OutputOverInput, IsRefusedBeforeAnythingIsWritten) {
    const OverInput cases[] = {
        {"pdf over itself", "l.anl", itself, {"export", "LISTING", "-o", "OUT", "--format", "pdf"}},
        {"pdf through a symbolic link",
         "m.anl",
         throughSymbolicLink,
         {"export", "LISTING", "-o", "OUT"}},
        {"svg through a hard link",
         "n.anl",
         throughHardLink,
         {"export", "LISTING", "-o", "OUT", "--title-block"}},
        {"dxf through another path",
         "p.anl",
         throughOtherPath,
         {"export", "LISTING", "-o", "OUT", "--format", "dxf"}},
        {"workbook over itself", "q.xlsx", itself, {"schedule", "LISTING", "-o", "OUT"}},
        {"csv through the derived name",
         "s-panels.csv",
         derivedName,
         {"schedule", "LISTING", "-o", "OUT"}},
        // compare's PDF over either listing once replaced it ("Wrote old.anl").
        {"compare pdf over the old listing",
         "old.anl",
         itself,
         {"compare", "LISTING", "samples/office-block.anl", "--pdf", "OUT"}},
        {"compare pdf over the new listing through a link",
         "new.anl",
         throughSymbolicLink,
         {"compare", "samples/office-block.anl", "LISTING", "--pdf", "OUT"}},
    };
    const std::string text = sampleText();
    ASSERT_FALSE(text.empty());
    for (const OverInput& overInput : cases) {
        SCOPED_TRACE(overInput.name);
        const std::string listing = writeTemporaryFile(overInput.listingName, text);
        const std::string output = overInput.output(listing);
        std::vector<std::string> arguments = overInput.command;
        for (std::string& argument : arguments) {
            argument = argument == "LISTING" ? listing : argument == "OUT" ? output : argument;
        }
        const ProgramRun run = frameplan(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("it is the listing " + listing + " itself"), std::string::npos)
            << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(fileText(listing), text);
        for (const auto& entry : fs::directory_iterator(fs::path(listing).parent_path())) {
            const std::string name = entry.path().string();
            EXPECT_FALSE(name.rfind(temporaryPath(""), 0) == 0 &&
                         name.find(".part") != std::string::npos)
                << name;
        }
        fs::remove(output);
        fs::remove(listing);
    }
}

// What a command prints is an output too: sent by the shell onto one of its listings (">>"
// appends without emptying it first), it is refused, whatever the command, and the listing is
// left as it was.
TEST(OutputOverInput, StandardOutputOrErrorOntoAListingIsRefused) {
    const std::string text = sampleText();
    const struct {
        const char* name;
        std::vector<std::string> command;  // LISTING stands for the listing written onto
        const char* redirection;
    } cases[] = {
        {"dump", {"dump", "LISTING"}, ">>"},
        {"info", {"info", "LISTING"}, ">>"},
        {"check", {"check", "LISTING", "--json"}, ">>"},
        {"compare's JSON onto the old listing",
         {"compare", "LISTING", "samples/office-block.anl", "--json"},
         ">>"},
        {"compare onto the new listing", {"compare", "samples/office-block.anl", "LISTING"}, ">>"},
        {"schedule's messages", {"schedule", "LISTING", "-o", temporaryPath("loads.csv")}, ">>"},
        {"export's messages", {"export", "LISTING", "-o", temporaryPath("plan.svg")}, ">>"},
        {"the standard error", {"info", "LISTING"}, "2>>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string listing = writeTemporaryFile("streamed.anl", text);
        std::string command = "exec \"$0\"";
        for (const std::string& word : c.command) {
            command += " '" + (word == "LISTING" ? listing : word) + "'";
        }
        command += std::string(" ") + c.redirection + " '" + listing + "'";
        const ProgramRun run = runProgram("/bin/sh", {"-c", command, FRAMEPLAN_BINARY});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(fileText(listing) == text) << "the listing was written onto";
        if (std::string(c.redirection) == ">>") {
            EXPECT_NE(
                run.err.find("frameplan: Cannot write the standard output: it is the listing " +
                             listing + " itself"),
                std::string::npos)
                << run.err;
        }
        fs::remove(listing);
    }
}

}  // namespace
}  // namespace fp::testing
