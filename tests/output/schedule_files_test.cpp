// Schedule files read back: the XLSX unzipped and its sheet XML parsed, the CSV files parsed as
// RFC 4180; and a schedule that cannot be written leaves no file behind.
#include "output/schedule_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "files/pending_file.h"
#include "support/document_builder.h"

namespace fp {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::path(::testing::TempDir()) / ("frameplan_schedule_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Level 2 of a 3 x 2 grid: two panels, one loaded in case 1; seven beams, member 2 loaded.
ListingDocument smallBuilding() {
    testing::LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    for (int32_t member = 1; member <= 7; ++member) {
        frame.builder.designRow(member, 5000);
    }
    frame.builder.loadCase("1", "DEAD, \"SLAB\"");
    frame.builder.floorLoad("1", 4.5f, 2.9f, 3.1f, 0, 5, 0, 4);
    frame.builder.memberLoadOn(2, 12.5f, "1");
    return frame.builder.build();
}

using Records = std::vector<std::vector<std::string>>;

// RFC 4180: records end in CR LF; a quoted field may hold commas, doubled quotes and line breaks.
Records parseCsv(const std::string& text) {
    Records records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string& field = records.back().back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            if (i + 1 < text.size()) {
                records.emplace_back(1);
            }
        } else if (c == '\r' || c == '\n') {
            ADD_FAILURE() << "a line break outside quotes at " << i;
        } else {
            field += c;
        }
    }
    return records;
}

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One member of the zip, through unzip.
std::string unzipped(const fs::path& zip, const std::string& member) {
    const std::string command = "unzip -p '" + zip.string() + "' '" + member + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run unzip");
    }
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    pclose(pipe);
    return text;
}

// The cells of a sheet by reference ("B2"), shared strings resolved; numbers as written.
std::map<std::string, std::string> sheetCells(const fs::path& xlsx, int sheet) {
    std::vector<std::string> shared;
    const std::string strings = unzipped(xlsx, "xl/sharedStrings.xml");
    const std::regex item("<si><t[^>]*>([^<]*)</t></si>");
    for (auto it = std::sregex_iterator(strings.begin(), strings.end(), item);
         it != std::sregex_iterator(); ++it) {
        shared.push_back((*it)[1]);
    }
    std::map<std::string, std::string> cells;
    const std::string xml = unzipped(xlsx, "xl/worksheets/sheet" + std::to_string(sheet) + ".xml");
    const std::regex cell("<c r=\"([A-Z]+[0-9]+)\"( [^>]*)?><v>([^<]*)</v></c>");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), cell); it != std::sregex_iterator();
         ++it) {
        const bool text = (*it)[2].str().find("t=\"s\"") != std::string::npos;
        cells[(*it)[1]] = text ? shared.at(std::stoul((*it)[3])) : (*it)[3].str();
    }
    return cells;
}

TEST(ScheduleFiles, TheWorkbookHasASheetPerTableWithAFrozenHeaderAndNumbersAsNumbers) {
    const fs::path xlsx = freshFolder("xlsx") / "loads.xlsx";
    EXPECT_EQ(writeSchedule(smallBuilding(), xlsx.string()),
              std::vector<std::string>{xlsx.string()});
    const std::string workbook = unzipped(xlsx, "xl/workbook.xml");
    EXPECT_NE(workbook.find("name=\"Panels\""), std::string::npos);
    EXPECT_NE(workbook.find("name=\"Beams\""), std::string::npos);

    auto panels = sheetCells(xlsx, 1);
    EXPECT_EQ(panels["A1"], "Level (m)");
    EXPECT_EQ(panels["H1"], "Area (m²)");
    EXPECT_EQ(panels["I1"], "Case 1 DEAD, \"SLAB\" intensity (kN/m²)");
    EXPECT_EQ(panels["A2"], "3");
    EXPECT_EQ(panels["H2"], "20");
    EXPECT_EQ(panels["I2"], "4.5");
    EXPECT_EQ(panels["J2"], "90");
    EXPECT_EQ(panels.count("J3"), 0u);  // the second panel carries no load of case 1
    const std::string panelXml = unzipped(xlsx, "xl/worksheets/sheet1.xml");
    EXPECT_NE(panelXml.find("state=\"frozen\""), std::string::npos);
    EXPECT_NE(panelXml.find("ySplit=\"1\""), std::string::npos);

    auto beams = sheetCells(xlsx, 2);
    EXPECT_EQ(beams["C1"], "Member");
    EXPECT_EQ(beams["C3"], "2");
    EXPECT_EQ(beams["D3"], "20101");
    EXPECT_EQ(beams["G3"], "12.5");
    EXPECT_EQ(beams.count("G2"), 0u);
}

TEST(ScheduleFiles, WithFindingsTheWorkbookEndsWithAChecksSheetOfTexts) {
    const fs::path xlsx = freshFolder("checks") / "loads.xlsx";
    Finding finding;
    finding.level = 2;
    finding.lines = {184};
    finding.sentence = "Covers half the panel.";
    const std::vector<Finding> findings = {finding};
    writeSchedule(smallBuilding(), xlsx.string(), &findings);
    const std::string workbook = unzipped(xlsx, "xl/workbook.xml");
    EXPECT_NE(workbook.find("name=\"Checks\""), std::string::npos);
    auto checks = sheetCells(xlsx, 3);
    EXPECT_EQ(checks["A2"], "3");
    EXPECT_EQ(checks["B2"], "warning");
    EXPECT_EQ(checks["D2"], "184");
    EXPECT_EQ(checks["J2"], "Covers half the panel.");
}

TEST(ScheduleFiles, CsvWritesOneFileForEachTableNamedAfterIt) {
    const fs::path folder = freshFolder("csv");
    const auto written = writeSchedule(smallBuilding(), (folder / "loads.csv").string());
    ASSERT_EQ(written, (std::vector<std::string>{(folder / "loads-panels.csv").string(),
                                                 (folder / "loads-beams.csv").string()}));
    const Records panels = parseCsv(fileText(folder / "loads-panels.csv"));
    ASSERT_EQ(panels.size(), 3u);
    EXPECT_EQ(panels[0][8], "Case 1 DEAD, \"SLAB\" intensity (kN/m²)");
    EXPECT_EQ(panels[1],
              (std::vector<std::string>{"3", "0", "5", "0", "4", "5", "4", "20", "4.5", "90"}));
    EXPECT_EQ(panels[2][9], "");
    const Records beams = parseCsv(fileText(folder / "loads-beams.csv"));
    ASSERT_EQ(beams.size(), 8u);
    EXPECT_EQ(beams[2], (std::vector<std::string>{"3", "2", "2", "20101", "20102", "5", "12.5"}));
}

TEST(ScheduleFiles, OnlyXlsxAndCsvAreWritten) {
    EXPECT_THROW(checkSchedulePath("loads.ods"), std::invalid_argument);
    EXPECT_THROW(checkSchedulePath("csv"), std::invalid_argument);
    EXPECT_NO_THROW(checkSchedulePath("LOADS.XLSX"));
    EXPECT_THROW(writeSchedule(smallBuilding(), "loads.txt"), std::invalid_argument);
}

TEST(ScheduleFiles, AScheduleThatCannotBeWrittenFailsNamingItAndLeavesNothing) {
    const fs::path folder = freshFolder("missing");
    for (const char* name : {"loads.xlsx", "loads.csv"}) {
        const std::string path = (folder / "no-such-folder" / name).string();
        EXPECT_THROW(writeSchedule(smallBuilding(), path), FileWriteError) << name;
    }
    EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace fp
