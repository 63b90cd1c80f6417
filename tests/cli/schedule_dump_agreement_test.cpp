// Two commands, one truth: on generated listings with member loads added at random, every beam
// row of `frameplan schedule` holds, for each load case, the sum of the member loads `frameplan
// dump` lists on that member, and the schedule's beams are the dump's beams, level by level.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "program_run.h"

namespace fp {
namespace {

using testing::runProgram;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        // The schedule's rows end in CRLF, as spreadsheets expect.
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> cellsOf(const std::string& row) {
    std::vector<std::string> cells;
    std::istringstream in(row);
    for (std::string cell; std::getline(in, cell, ',');) {
        cells.push_back(cell);
    }
    if (!row.empty() && row.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

// The generator's listing with `count` member loads of random values added under random member
// load commands, on random members (some named twice in one case, so that loads add up).
std::string listingWithLoads(const std::string& shape, unsigned seed, int count) {
    const std::string path = testing::temporaryPath("generated.anl");
    std::vector<std::string> arguments = {"--output", path};
    std::istringstream words(shape);
    for (std::string word; words >> word;) {
        arguments.push_back(word);
    }
    EXPECT_EQ(runProgram(GEN_LISTING_PROGRAM, arguments).status, 0);
    std::vector<std::string> lines = linesOf(testing::fileText(path));
    std::filesystem::remove(path);
    std::vector<std::size_t> commands;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].ends_with(". MEMBER LOAD")) {
            commands.push_back(i);
        }
    }
    std::mt19937 random(seed);
    for (int added = 0; added < count && !commands.empty(); ++added) {
        const std::size_t at = commands[random() % commands.size()];
        const std::string echo = lines[at].substr(0, lines[at].find(". ") + 2);
        const std::string load = std::to_string(1 + random() % 40) + " UNI GY -" +
                                 std::to_string(1 + random() % 20) + "." +
                                 std::to_string(random() % 10);
        lines.insert(lines.begin() + static_cast<long>(at) + 1, echo + load);
        for (std::size_t& command : commands) {
            command += command > at ? 1 : 0;
        }
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// (level's height in metres as the schedule writes it, member) → case → kN/m.
using LoadsByBeam = std::map<std::pair<std::string, int>, std::map<std::string, double>>;

std::string heightText(double metres) {
    std::ostringstream text;
    text << metres;
    return text.str();
}

// The dump's beams, each with the sums of its member loads by case.
LoadsByBeam dumpedBeams(const std::string& json) {
    const QJsonObject model = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
    std::map<int, std::map<std::string, double>> sums;
    for (const auto& entry : model["memberLoadTable"].toArray()) {
        const QJsonObject load = entry.toObject();
        sums[load["member"].toInt()][load["caseTitle"].toString().toStdString()] +=
            load["value"].toDouble();
    }
    const QJsonArray heights = model["gridY"].toArray();
    LoadsByBeam beams;
    const QJsonArray levels = model["levels"].toArray();
    for (qsizetype level = 0; level < levels.size(); ++level) {
        const std::string height = heightText(heights[level].toDouble() / 100);
        for (const auto& beam : levels[level].toObject()["beams"].toArray()) {
            const int member = beam.toObject()["member"].toInt();
            beams[{height, member}] = sums[member];
        }
    }
    return beams;
}

// The schedule's beam rows, each with its member-load cells by case: a case's column is headed
// "Case 1 DEAD LOAD (kN/m)".
LoadsByBeam scheduledBeams(const std::string& csv) {
    std::vector<std::string> rows = linesOf(csv);
    const std::vector<std::string> headers = cellsOf(rows.front());
    LoadsByBeam beams;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string> cells = cellsOf(rows[r]);
        auto& loads = beams[{cells[0], std::stoi(cells[2])}];
        for (std::size_t c = 6; c < cells.size(); ++c) {
            if (!cells[c].empty()) {
                const std::string heading = headers[c].substr(5);
                loads[heading.substr(0, heading.find(' '))] = std::stod(cells[c]);
            }
        }
    }
    return beams;
}

class ScheduleAndDump : public ::testing::TestWithParam<unsigned> {};

TEST_P(ScheduleAndDump, AgreeOnEveryBeamsMemberLoads) {
    const char* const shapes[] = {
        "--storeys 2 --bays-x 2 --bays-z 1 --load-cases 2",
        "--storeys 3 --bays-x 3 --bays-z 2 --load-cases 3",
        "--storeys 4 --bays-x 4 --bays-z 3 --load-cases 4",
    };
    const std::string shape = shapes[GetParam() % std::size(shapes)];
    const std::string listing = testing::writeTemporaryFile(
        "loads.anl", listingWithLoads(shape, GetParam(), static_cast<int>(GetParam() % 7) * 3));
    const std::string folder = testing::temporaryPath("schedule");
    std::filesystem::create_directories(folder);

    const testing::ProgramRun dump = runProgram(FRAMEPLAN_BINARY, {"dump", listing});
    const testing::ProgramRun schedule =
        runProgram(FRAMEPLAN_BINARY, {"schedule", listing, "-o", folder + "/loads.csv"});
    ASSERT_EQ(dump.status, 0) << dump.err;
    ASSERT_EQ(schedule.status, 0) << schedule.err;
    std::string csv = testing::fileText(folder + "/loads-beams.csv");
    csv.erase(0, csv.starts_with("\xEF\xBB\xBF") ? 3 : 0);

    const LoadsByBeam dumped = dumpedBeams(dump.out);
    const LoadsByBeam scheduled = scheduledBeams(csv);
    EXPECT_FALSE(scheduled.empty()) << shape;
    std::set<std::pair<std::string, int>> dumpedKeys;
    std::set<std::pair<std::string, int>> scheduledKeys;
    for (const auto& [key, loads] : dumped) {
        dumpedKeys.insert(key);
    }
    for (const auto& [key, loads] : scheduled) {
        scheduledKeys.insert(key);
    }
    EXPECT_EQ(scheduledKeys, dumpedKeys) << shape;
    for (const auto& [key, loads] : scheduled) {
        const auto& expected = dumped.at(key);
        ASSERT_EQ(loads.size(), expected.size())
            << shape << ": member " << key.second << " at " << key.first;
        for (const auto& [caseNumber, value] : loads) {
            ASSERT_TRUE(expected.contains(caseNumber)) << caseNumber;
            EXPECT_NEAR(value, expected.at(caseNumber), 1e-3)
                << shape << ": member " << key.second << " case " << caseNumber;
        }
    }
    std::filesystem::remove_all(folder);
    std::filesystem::remove(listing);
}

INSTANTIATE_TEST_SUITE_P(Seeds, ScheduleAndDump, ::testing::Range(0u, 12u));

}  // namespace
}  // namespace fp
