// Schedule files read back: the XLSX unzipped and its sheet XML parsed, the CSV files parsed as
// RFC 4180; and a schedule that cannot be written leaves no file behind.
#include "output/schedule_files.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "files/pending_file.h"
#include "output/xlsx_workbook.h"
#include "support/document_builder.h"
#include "support/frame_listing.h"

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
    // A number or a shared string's index as its value, or a string of its own.
    const std::regex cell(
        "<c r=\"([A-Z]+[0-9]+)\"( [^>]*)?>(<v>([^<]*)</v>|<is><t[^>]*>([^<]*)</t></is>)</c>");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), cell); it != std::sregex_iterator();
         ++it) {
        const bool shares = (*it)[2].str().find("t=\"s\"") != std::string::npos;
        cells[(*it)[1]] = shares             ? shared.at(std::stoul((*it)[4]))
                          : (*it)[5].matched ? (*it)[5].str()
                                             : (*it)[4].str();
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
    auto checks = sheetCells(xlsx, 4);
    EXPECT_EQ(checks["A2"], "3");
    EXPECT_EQ(checks["B2"], "warning");
    EXPECT_EQ(checks["D2"], "184");
    EXPECT_EQ(checks["J2"], "Covers half the panel.");
}

TEST(ScheduleFiles, CsvWritesOneFileForEachTableNamedAfterIt) {
    const fs::path folder = freshFolder("csv");
    const auto written = writeSchedule(smallBuilding(), (folder / "loads.csv").string());
    ASSERT_EQ(written, (std::vector<std::string>{(folder / "loads-panels.csv").string(),
                                                 (folder / "loads-beams.csv").string(),
                                                 (folder / "loads-takedown.csv").string()}));
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

// A 6 x 4 m bay on four columns at 3 and 6 m, dead 5 kN/m² and live 2 kN/m² on each floor:
// 30 and 12 kN reach each column a floor, 1.5 x (dead + live) 63 kN.
ListingDocument twoStoreyBay() {
    testing::FrameListing frame;
    frame.bay(3, 0, 0, 6, 4, true, 0);
    frame.bay(6, 0, 0, 6, 4, true, 3);
    frame.text.loadCase("1", "DEAD").floorLoad(2.9, 6.1, 5);
    frame.text.loadCase("2", "LIVE").floorLoad(2.9, 6.1, 2);
    frame.text.combination("3", "ULTIMATE", "1 1.5 2 1.5");
    return testing::readFrame(frame.text);
}

TEST(ScheduleFiles, TheTakedownGivesEachColumnsLoadBelowEachLevelForEveryCaseAndCombination) {
    const fs::path folder = freshFolder("takedown");
    writeSchedule(twoStoreyBay(), (folder / "loads.csv").string(), nullptr, false);
    const Records rows = parseCsv(fileText(folder / "loads-takedown.csv"));
    ASSERT_EQ(rows.size(), 9u);  // the header, then four stacks of two levels
    EXPECT_EQ(rows[0], (std::vector<std::string>{
                           "Column stack", "X (m)", "Z (m)", "Level (m)", "Column",
                           "Case 1 DEAD below (kN, without self-weight)",
                           "Case 2 LIVE below (kN, without self-weight)",
                           "Combination 3 ULTIMATE below (kN, without self-weight)", "Remark"}));
    double bases = 0;
    for (std::size_t row = 1; row < rows.size(); row += 2) {
        const std::string& stack = rows[row][0];
        EXPECT_EQ(rows[row + 1][0], stack) << "a stack from its top down";
        EXPECT_EQ(std::vector<std::string>(rows[row].begin() + 3, rows[row].end()),
                  std::vector<std::string>({"6", rows[row][4], "30", "12", "63", ""}))
            << stack;
        EXPECT_EQ(std::vector<std::string>(rows[row + 1].begin() + 3, rows[row + 1].end()),
                  std::vector<std::string>({"3", rows[row + 1][4], "60", "24", "126", ""}))
            << stack;
        bases += std::stod(rows[row + 1][5]);
    }
    // Both floors' dead load reaches the bases.
    EXPECT_DOUBLE_EQ(bases, 2 * 6 * 4 * 5);

    const fs::path xlsx = folder / "loads.xlsx";
    writeSchedule(twoStoreyBay(), xlsx.string());
    auto sheet = sheetCells(xlsx, 3);
    EXPECT_EQ(sheet["A1"], "Column stack");
    EXPECT_EQ(sheet["H3"], "126");
}

// The header row of a sheet as openpyxl reads it, each cell's text as UTF-8.
std::vector<std::string> headersReadByOpenpyxl(const fs::path& xlsx, const std::string& sheet) {
    const std::string command =
        "/usr/bin/python3 -c 'import openpyxl, sys\n"
        "sheet = openpyxl.load_workbook(sys.argv[1], read_only=True)[sys.argv[2]]\n"
        "for cell in next(sheet.iter_rows(max_row=1, values_only=True)):\n"
        "    print(cell.encode(\"utf-8\").hex())' '" +
        xlsx.string() + "' " + sheet + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run python3");
    }
    std::vector<std::string> headers;
    char line[1 << 17];
    while (fgets(line, sizeof line, pipe) != nullptr) {
        std::string hex(line);
        hex.erase(hex.find_last_not_of('\n') + 1);
        std::string text;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
            text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        }
        headers.push_back(hex.size() % 2 == 0 ? text : "not hex: " + hex);
    }
    EXPECT_EQ(pclose(pipe), 0) << (headers.empty() ? "" : headers.back());
    return headers;
}

// A title of every byte, one load case each, and one title longer than a cell holds: the workbook
// reads back with a header for each case, the long one cut with an ellipsis; the CSV keeps it
// whole.
TEST(ScheduleFiles, EveryTitleGetsItsHeaderCellCutToTheCellLimit) {
    testing::LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    std::vector<std::string> titles;
    for (int value = 0; value <= 0xFF; ++value) {
        titles.push_back(std::string("A") + static_cast<char>(value) + "Z");
    }
    titles.push_back(std::string(40000, 'L'));
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        frame.builder.loadCase(number.c_str(), titles[i]);
        // Above every level: the case heads its columns and loads no panel.
        frame.builder.floorLoad(number.c_str(), 1, 90, 91, 0, 5, 0, 4);
    }
    const ListingDocument document = frame.builder.build();
    const fs::path folder = freshFolder("titles");
    writeSchedule(document, (folder / "loads.xlsx").string());
    writeSchedule(document, (folder / "loads.csv").string());

    const std::vector<std::string> headers = headersReadByOpenpyxl(folder / "loads.xlsx", "Panels");
    const Records csv = parseCsv(fileText(folder / "loads-panels.csv"));
    ASSERT_EQ(headers.size(), 8 + 2 * titles.size());
    ASSERT_EQ(csv.at(0).size(), headers.size());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        SCOPED_TRACE("title " + std::to_string(i));
        const std::string& cell = headers[8 + 2 * i];
        const std::string& whole = csv[0][8 + 2 * i];
        EXPECT_EQ(whole.substr(0, 4), "Case");
        if (titles[i].size() < 100) {
            std::string shown;
            for (const char c : whole) {
                const bool control = static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n';
                shown += control ? std::string("\uFFFD") : std::string(1, c);
            }
            EXPECT_EQ(cell, shown);
        } else {
            EXPECT_EQ(whole, "Case 257 " + titles[i] + " intensity (kN/m²)");
            EXPECT_EQ(cell, whole.substr(0, kLongestCellText - 1) + "\u2026");
        }
    }
}

TEST(ScheduleFiles, CsvStartsWithTheUtf8ByteOrderMarkUnlessAskedNotTo) {
    const std::string mark = "\xEF\xBB\xBF";
    for (const bool withMark : {true, false}) {
        const fs::path folder = freshFolder(withMark ? "bom" : "nobom");
        writeSchedule(smallBuilding(), (folder / "loads.csv").string(), nullptr, withMark);
        for (const char* name : {"loads-panels.csv", "loads-beams.csv"}) {
            const std::string text = fileText(folder / name);
            EXPECT_EQ(text.rfind(mark, 0) == 0, withMark) << name;
            EXPECT_EQ(text.substr(withMark ? mark.size() : 0, 9), "Level (m)") << name;
        }
    }
}

// A disk that fills up under the workbook and its working files: the failure names the file and
// says why in the program's words, the library's own lines do not reach standard error, and no
// file is left. The file-size limit of the process stands in for the full disk.
TEST(ScheduleFiles, AFullDiskIsAFailureNamingTheWorkbookAndLeavesNothing) {
    const fs::path folder = freshFolder("full");
    const std::string path = (folder / "loads.xlsx").string();
    const ListingDocument document = smallBuilding();
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    for (const rlim_t limit : {rlim_t{0}, rlim_t{300}, rlim_t{2000}}) {
        SCOPED_TRACE(limit);
        rlimit full = before;
        full.rlim_cur = limit;
        ::testing::internal::CaptureStderr();
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
        std::string message;
        try {
            writeSchedule(document, path);
        } catch (const FileWriteError& failure) {
            message = failure.what();
        }
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &before), 0);
        const std::string printed = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(message.rfind("Cannot write " + path + ": ", 0), 0u) << message;
        EXPECT_EQ(printed, "");
        EXPECT_TRUE(fs::is_empty(folder));
    }
    std::signal(SIGXFSZ, ignored);
}

// The rows of a sheet end at 1,048,576. A table longer than that once lost the whole workbook,
// with a message blaming the disk; now its sheet ends with a row telling how many rows were left
// out and where to see them, and the other sheets are written. A table that just fits keeps
// its last row.
TEST(ScheduleFiles, ASheetEndsWithARowTellingWhatItCouldNotHold) {
    constexpr std::uint64_t kSheetRows = 1048576;
    const fs::path xlsx = freshFolder("rows") / "loads.xlsx";
    const ListingDocument building = smallBuilding();
    for (const std::uint64_t findings : {kSheetRows - 1, kSheetRows + 9}) {
        SCOPED_TRACE(findings);
        ScheduleTable checks{"Checks", {"What to check"}, {}};
        checks.forEachRow = [findings](const RowVisitor& visit) {
            for (std::uint64_t i = 1; i <= findings; ++i) {
                visit({"finding " + std::to_string(i)});
            }
        };
        checks.rowsLeftOut = [](std::uint64_t count) {
            return std::to_string(count) + " more; frameplan check lists them";
        };
        std::vector<ScheduleTable> tables = loadSchedules(building);
        tables.push_back(checks);
        writeXlsxWorkbook(tables, xlsx.string(), xlsx.string());

        const std::string workbook = unzipped(xlsx, "xl/workbook.xml");
        EXPECT_NE(workbook.find("name=\"Panels\""), std::string::npos);
        EXPECT_NE(workbook.find("name=\"Beams\""), std::string::npos);
        const std::string sheet = unzipped(xlsx, "xl/worksheets/sheet3.xml");
        std::uint64_t rows = 0;
        for (std::size_t at = sheet.find("</row>"); at != std::string::npos;
             at = sheet.find("</row>", at + 1)) {
            ++rows;
        }
        // The header, the findings that fit, and the row telling of the others.
        const std::uint64_t shown = std::min(findings, kSheetRows - 2);
        EXPECT_EQ(rows, std::min(findings + 1, kSheetRows));
        const std::string lastRow = sheet.substr(sheet.rfind("<row "));
        const std::string told = findings + 1 <= kSheetRows
                                     ? "finding " + std::to_string(findings)
                                     : std::to_string(findings - shown) + " more;";
        EXPECT_NE(lastRow.find(told), std::string::npos) << lastRow.substr(0, 200);
    }
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
