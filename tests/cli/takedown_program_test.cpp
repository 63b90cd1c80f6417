// frameplan takedown --json as a script reads it: it parses, every load reaches the bases, and
// its floor loads are those frameplan info totals level by level.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <regex>
#include <string>

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

}  // namespace
}  // namespace fp
