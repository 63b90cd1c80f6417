// frameplan compare as a user runs it: JSON that parses, in the documented form, and the PDF
// handed to the program that draws.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "program_run.h"

namespace fp::testing {
namespace {

constexpr const char* kSample = "samples/office-block.anl";

// The sample with the first beam's design block 100 mm longer and its first floor load at
// 5 kN/m² instead of 4.5.
std::string revisedSample() {
    std::string text = fileText(kSample);
    const std::string length = "LENGTH:   6000.0 mm";
    text.replace(text.find(length), length.size(), "LENGTH:   6100.0 mm");
    const std::string load = "YRANGE 4.1 4.3 FLOAD -4.5 ";
    text.replace(text.find(load), load.size(), "YRANGE 4.1 4.3 FLOAD -5 ");
    return writeTemporaryFile("revised.anl", text);
}

QJsonObject parsed(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

TEST(CompareProgram, JsonOfTwoRunsNamesEachChangeWithItsLines) {
    const ProgramRun run =
        runProgram(FRAMEPLAN_BINARY, {"compare", kSample, revisedSample(), "--json"});
    EXPECT_EQ(run.status, 1) << run.err;
    const QJsonObject json = parsed(run.out);
    EXPECT_EQ(json["schema"].toString(), QStringLiteral("frameplan-compare 1"));
    EXPECT_FALSE(json["same"].toBool());
    const QJsonArray levels = json["levels"].toArray();
    ASSERT_EQ(levels.size(), 1);
    const QJsonObject level = levels[0].toObject();
    EXPECT_EQ(level["height"].toDouble(), 4.2);
    const QJsonObject beam = level["beams"].toArray()[0].toObject();
    EXPECT_EQ(beam["change"].toString(), QStringLiteral("resized"));
    EXPECT_EQ(beam["oldLengthMm"].toInt(), 6000);
    EXPECT_EQ(beam["newLengthMm"].toInt(), 6100);
    EXPECT_GT(beam["oldLine"].toInt(), 0);
    const QJsonObject load = level["floorLoads"].toArray()[0].toObject();
    EXPECT_EQ(load["caseName"].toString(), QStringLiteral("Case 1 DEAD LOAD"));
    EXPECT_EQ(load["newIntensity"].toDouble(), 5.0);
    EXPECT_TRUE(level["totals"].toArray()[0].toObject()["changePercent"].isDouble());
}

TEST(CompareProgram, TheSameListingTwiceIsTheSameAndThePdfIsWrittenByTheDrawingProgram) {
    const ProgramRun same = runProgram(FRAMEPLAN_BINARY, {"compare", kSample, kSample, "--json"});
    EXPECT_EQ(same.status, 0) << same.err;
    const QJsonObject json = parsed(same.out);
    EXPECT_TRUE(json["same"].toBool());
    EXPECT_TRUE(json["levels"].toArray().isEmpty());

    const std::string pdf = temporaryPath("changes.pdf");
    const ProgramRun drawn =
        runProgram(FRAMEPLAN_BINARY, {"compare", kSample, revisedSample(), "--pdf", pdf});
    EXPECT_EQ(drawn.status, 1) << drawn.err;
    EXPECT_EQ(fileText(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace fp::testing
