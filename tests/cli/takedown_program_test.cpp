// frameplan takedown --json as a script reads it: it parses, every load reaches the bases, and
// its floor loads are those frameplan info totals level by level.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "program_run.h"

namespace fp::testing {
namespace {

constexpr const char* kSample = "samples/office-block.anl";

QJsonObject parsed(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

// The kN frameplan info prints for a case on every level, summed.
double infoFloorLoad(const std::string& info, const std::string& caseName) {
    const std::regex line("Case " + caseName + " +([0-9.]+) kN on");
    double total = 0;
    for (std::sregex_iterator at(info.begin(), info.end(), line), end; at != end; ++at) {
        total += std::stod((*at)[1].str());
    }
    return total;
}

TEST(TakedownProgram, TheSampleBalancesAndAgreesWithInfo) {
    const ProgramRun run = runProgram(FRAMEPLAN_BINARY, {"takedown", kSample, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject json = parsed(run.out);
    EXPECT_EQ(json["schema"].toString(), QStringLiteral("frameplan-takedown 1"));
    EXPECT_FALSE(json["selfWeight"].toBool());
    const std::string info = runProgram(FRAMEPLAN_BINARY, {"info", kSample}).out;
    const QJsonArray cases = json["cases"].toArray();
    ASSERT_EQ(cases.size(), 2);
    for (const QJsonValue& value : cases) {
        const QJsonObject loadCase = value.toObject();
        const QJsonObject balance = loadCase["equilibrium"].toObject();
        const std::string name = loadCase["case"].toString().toStdString() + " " +
                                 loadCase["title"].toString().toStdString();
        EXPECT_NEAR(balance["floor"].toDouble(), infoFloorLoad(info, name), 0.1) << name;
        EXPECT_NEAR(balance["floor"].toDouble() + balance["member"].toDouble(),
                    balance["applied"].toDouble(), 0.01);
        EXPECT_NEAR(balance["bases"].toDouble() + balance["unsupported"].toDouble(),
                    balance["applied"].toDouble(), 0.01)
            << name;
    }
    // Each stack's lowest row carries what its base takes; together, what the cases apply.
    double bases = 0;
    for (const QJsonValue& stack : json["stacks"].toArray()) {
        const QJsonObject object = stack.toObject();
        EXPECT_EQ(object["end"].toString(), QStringLiteral("base"));
        EXPECT_TRUE(object["x"].isDouble() && object["z"].isDouble());
        const QJsonArray levels = object["levels"].toArray();
        bases += levels.last().toObject()["loads"].toArray()[0].toObject()["below"].toDouble();
    }
    EXPECT_NEAR(bases, cases[0].toObject()["equilibrium"].toObject()["bases"].toDouble(), 0.1);
    // The combination 1.2 (dead + live + wind) names its wind case, which adds nothing.
    const QJsonObject withWind = json["combinations"].toArray()[1].toObject();
    EXPECT_EQ(withWind["casesWithoutLoads"].toArray()[0].toString(), QStringLiteral("3"));
    EXPECT_TRUE(json["unsupported"].toArray().isEmpty());
}

// The CSV's fields of a line without quoted commas (a remark may hold "; ", not a comma).
std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    return fields;
}

// The schedule's takedown file and the takedown's JSON give each column the same load below each
// level, for every case and combination, in the same order (the JSON to a thousandth of a kN).
TEST(TakedownProgram, TheScheduleGivesTheLoadsOfTheTakedown) {
    const std::string csv = temporaryPath("loads.csv");
    const ProgramRun schedule =
        runProgram(FRAMEPLAN_BINARY, {"schedule", kSample, "-o", csv, "--no-bom"});
    ASSERT_EQ(schedule.status, 0) << schedule.err;
    std::stringstream rows(fileText(temporaryPath("loads-takedown.csv")));
    std::string line;
    std::getline(rows, line);
    std::vector<std::pair<std::string, std::vector<std::string>>> scheduled;
    while (std::getline(rows, line)) {
        line.erase(line.find_last_not_of('\r') + 1);
        std::vector<std::string> fields = csvFields(line);
        ASSERT_GE(fields.size(), 5u) << line;
        scheduled.emplace_back(fields[0] + " " + fields[3], fields);
    }

    const QJsonObject json =
        parsed(runProgram(FRAMEPLAN_BINARY, {"takedown", kSample, "--json"}).out);
    std::size_t row = 0;
    for (const QJsonValue& stack : json["stacks"].toArray()) {
        for (const QJsonValue& level : stack.toObject()["levels"].toArray()) {
            ASSERT_LT(row, scheduled.size());
            const auto& [key, fields] = scheduled[row++];
            const std::string name = stack.toObject()["name"].toString().toStdString();
            EXPECT_EQ(fields[0], name);
            EXPECT_NEAR(std::stod(fields[3]), level.toObject()["height"].toDouble(), 1e-9) << key;
            EXPECT_EQ(std::stol(fields[4]), level.toObject()["member"].toInt()) << key;
            const QJsonArray loads = level.toObject()["loads"].toArray();
            for (qsizetype i = 0; i < loads.size(); ++i) {
                EXPECT_NEAR(std::stod(fields[5 + static_cast<std::size_t>(i)]),
                            loads[i].toObject()["below"].toDouble(), 1e-3)
                    << key << ", choice " << i;
            }
        }
    }
    EXPECT_EQ(row, scheduled.size());
    for (const char* name : {"loads-panels.csv", "loads-beams.csv", "loads-takedown.csv"}) {
        std::remove(temporaryPath(name).c_str());
    }
}

}  // namespace
}  // namespace fp::testing
