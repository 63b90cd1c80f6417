// A workbook written onto a disk that fills up: frameplan either refuses it, leaving nothing,
// or writes it whole. Each disk is a small tmpfs mounted inside the test's own folder, in a
// mount namespace of its own, so that nothing outside the test sees it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QXmlStreamReader>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "program_run.h"

namespace fp::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSample = "samples/office-block.anl";

// The text a command prints, or the empty text when it cannot be run.
std::string commandOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {};
    }
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    pclose(pipe);
    return text;
}

// The names of the workbook's parts, through unzip, which checks each part's checksum too.
std::vector<std::string> partsOf(const fs::path& xlsx) {
    if (commandOutput("unzip -tq '" + xlsx.string() + "' > /dev/null 2>&1 && echo whole") !=
        "whole\n") {
        return {};
    }
    std::vector<std::string> parts;
    const std::string names = commandOutput("unzip -Z1 '" + xlsx.string() + "'");
    for (std::size_t start = 0, end; (end = names.find('\n', start)) != std::string::npos;
         start = end + 1) {
        parts.push_back(names.substr(start, end - start));
    }
    return parts;
}

// Whether the part is well-formed XML, as every reader of the package needs it to be.
bool wellFormed(const fs::path& xlsx, const std::string& part) {
    // unzip takes the name as a pattern, in which "[" opens a set of characters.
    std::string pattern;
    for (const char c : part) {
        pattern += c == '[' ? std::string("[[]") : std::string(1, c);
    }
    QXmlStreamReader xml(QByteArray::fromStdString(
        commandOutput("unzip -p '" + xlsx.string() + "' '" + pattern + "'")));
    while (!xml.atEnd()) {
        xml.readNext();
    }
    return !xml.hasError();
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++found;
    }
    return found;
}

struct FullDiskRun {
    ProgramRun run;
    fs::path workbook;              // copied out of the disk before it went away
    std::vector<std::string> left;  // what was on the disk after the run
};

// Runs "frameplan schedule LISTING -o DISK/loads.xlsx" with `kilobytes` of room on DISK.
FullDiskRun scheduleOnADiskOf(int kilobytes, const fs::path& folder) {
    const fs::path disk = folder / "disk";
    fs::create_directories(disk);
    FullDiskRun result;
    result.workbook = folder / "copied.xlsx";
    const fs::path left = folder / "left.txt";
    fs::remove(result.workbook);
    const std::string script = "mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs '" +
                               disk.string() + "' || exit 99; '" FRAMEPLAN_BINARY "' schedule '" +
                               kSample + "' -o '" + (disk / "loads.xlsx").string() +
                               "'; status=$?; cp '" + (disk / "loads.xlsx").string() + "' '" +
                               result.workbook.string() + "' 2> /dev/null; ls -A '" +
                               disk.string() + "' > '" + left.string() + "'; exit $status";
    result.run = runProgram("/usr/bin/unshare", {"--mount", "sh", "-c", script});
    const std::string names = fileText(left.string());
    for (std::size_t start = 0, end; (end = names.find('\n', start)) != std::string::npos;
         start = end + 1) {
        result.left.push_back(names.substr(start, end - start));
    }
    return result;
}

// A sheet cut short mid-cell was once packed into a workbook reported as written (the sample
// with 68 to 92 KB free). Every room from too little for anything to plenty gives a refusal
// that leaves nothing, or a workbook whose every part reads back, with every panel's row.
TEST(WorkbookOnAFullDisk, IsRefusedLeavingNothingOrWrittenWhole) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a small disk in a mount namespace of its own needs root";
    }
    const fs::path folder = temporaryPath("full-disk");
    fs::remove_all(folder);
    fs::create_directories(folder);
    ASSERT_EQ(
        runProgram(FRAMEPLAN_BINARY, {"schedule", kSample, "-o", (folder / "loads.csv").string()})
            .status,
        0);
    const std::string panels = fileText((folder / "loads-panels.csv").string());
    const std::size_t panelRows = count(panels, "\r\n");
    ASSERT_GT(panelRows, 1u);

    int refused = 0;
    int written = 0;
    for (int kilobytes = 8; kilobytes <= 160; kilobytes += 4) {
        SCOPED_TRACE(std::to_string(kilobytes) + " KB of room");
        const FullDiskRun full = scheduleOnADiskOf(kilobytes, folder);
        ASSERT_NE(full.run.status, 99) << "no tmpfs could be mounted: " << full.run.err;
        if (full.run.status == 2) {
            ++refused;
            EXPECT_EQ(full.run.err.rfind("frameplan: Cannot write ", 0), 0u) << full.run.err;
            EXPECT_EQ(full.run.out, "");
            EXPECT_TRUE(full.left.empty()) << full.left.front();
            continue;
        }
        ++written;
        ASSERT_EQ(full.run.status, 0) << full.run.err;
        const std::vector<std::string> parts = partsOf(full.workbook);
        ASSERT_FALSE(parts.empty()) << "the workbook does not unzip whole";
        for (const std::string& part : parts) {
            EXPECT_TRUE(wellFormed(full.workbook, part)) << part;
        }
        const std::string sheet =
            commandOutput("unzip -p '" + full.workbook.string() + "' xl/worksheets/sheet1.xml");
        EXPECT_EQ(count(sheet, "</row>"), panelRows);
    }
    // The sweep reaches both ends: too little room, and enough.
    EXPECT_GT(refused, 0);
    EXPECT_GT(written, 0);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace fp::testing
