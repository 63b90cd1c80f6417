// frameplan run as the built program: exit status, standard output and error, and the JSON dump
// (checked with Qt's JSON parser).
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "program_run.h"

namespace fp::testing {
namespace {

ProgramRun frameplan(const std::vector<std::string>& arguments) {
    return runProgram(FRAMEPLAN_BINARY, arguments);
}

// Joints from 0 to 12 m on two levels, a floor load, a member load with a bad member list.
std::string smallListing(const std::string& caseNumber) {
    return "    1. UNIT METER KN\n"
           "    2. JOINT COORDINATES\n"
           "    3. 1 0 0 0; 2 12 0 0; 3 0 3.5 0; 4 12 3.5 0; 5 0 3.5 8; 6 12 3.5 8\n"
           "    4. MEMBER INCIDENCES\n"
           "    5. 1 1 3; 2 2 4; 3 4 3; 4 3 5; 5 5 6; 6 4 6\n"
           "    6. LOAD " +
           caseNumber +
           " LOADTYPE DEAD TITLE SLAB\n"
           "    7. FLOOR LOAD\n"
           "    8. YRANGE 3.4 3.6 FLOAD -4.5 GY\n"
           "    9. MEMBER LOAD\n"
           "   10. 10 12  14 UNI GY -5\n"
           "   11. 15 UNI GY -3\n"
           "   12. MEMBER LOAD\n"
           "   13. 3 5 UNI GY -12.5\n";
}

constexpr const char* kUnitMessage = "Change the units to Kn Meter \n";

std::string feetListing() {
    return writeTemporaryFile("feet.anl", "1. UNIT FEET KIP\n2. JOINT COORDINATES\n");
}

QJsonObject parsedObject(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

TEST(CommandLineProgram, HelpAndVersionPrintOnStandardOutput) {
    const ProgramRun help = frameplan({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("frameplan dump LISTING"), std::string::npos);
    EXPECT_NE(help.out.find("frameplan info LISTING"), std::string::npos);
    EXPECT_NE(help.out.find("frameplan export LISTING"), std::string::npos);
    EXPECT_TRUE(help.err.empty());
    const ProgramRun version = frameplan({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("frameplan ", 0), 0u);
}

TEST(CommandLineProgram, BadArgumentsAreReportedOnStandardErrorWithStatusTwo) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"dump"},
                                               {"info", "a", "b"},
                                               {"frob", "listing.anl"},
                                               {"export", "m.anl", "-o", "p.png", "--colour"}}) {
        const ProgramRun run = frameplan(arguments);
        EXPECT_EQ(run.status, 2) << arguments[0];
        EXPECT_TRUE(run.out.empty()) << arguments[0];
        EXPECT_NE(run.err.find("frameplan --help"), std::string::npos) << run.err;
    }
    EXPECT_NE(frameplan({"--bogus"}).err.find("unknown option \"--bogus\""), std::string::npos);
    EXPECT_NE(frameplan({"frob", "listing.anl"}).err.find("unknown command \"frob\""),
              std::string::npos);
}

TEST(CommandLineProgram, AMissingListingIsNamedAndNothingIsPrinted) {
    const ProgramRun run = frameplan({"dump", "/nonexistent/model.anl"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("/nonexistent/model.anl"), std::string::npos) << run.err;
}

TEST(CommandLineProgram, ARunEndingListingPrintsItsMessageOnceAndNothingElse) {
    const std::string feet = feetListing();
    for (const char* command : {"dump", "info"}) {
        const ProgramRun units = frameplan({command, feet});
        EXPECT_EQ(units.status, 2) << command;
        EXPECT_TRUE(units.out.empty()) << command;
        EXPECT_EQ(units.err, "frameplan: " + feet + ", line 1: " + kUnitMessage) << command;
    }
    const std::string wide = writeTemporaryFile(
        "wide.anl", "1. UNIT METER KN\n2. JOINT COORDINATES\n3. 1 400 0 0\n4. MEMBER INCIDENCES\n");
    const ProgramRun coordinate = frameplan({"info", wide});
    EXPECT_EQ(coordinate.status, 2);
    EXPECT_TRUE(coordinate.out.empty());
    EXPECT_NE(coordinate.err.find(wide + ", line 3: "), std::string::npos) << coordinate.err;
}

TEST(CommandLineProgram, DumpPrintsTheModelAsJsonWithItsKeysInOrder) {
    const std::string listing = writeTemporaryFile("small.anl", smallListing("1"));
    const ProgramRun run = frameplan({"dump", listing});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    const QJsonObject model = parsedObject(run.out);
    std::size_t previous = 0;
    for (const char* key :
         {"listing", "jointTable", "memberTable", "designTable", "floorLoads", "floorIntensities",
          "memberLoads", "memberLoadTable", "gridX", "gridY", "gridZ", "levelLabels",
          "intensityCaptions", "memberLoadCaption", "startLevel", "messages", "levels"}) {
        const std::size_t at = run.out.find("\"" + std::string(key) + "\":");
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, previous) << key << " is out of order";
        previous = at;
        EXPECT_TRUE(model.contains(key)) << key;
    }
    EXPECT_EQ(model["listing"].toString().toStdString(), listing);
    EXPECT_EQ(model["jointTable"].toArray().size(), 6);
    EXPECT_EQ(model["jointTable"].toArray()[1].toArray()[1].toInt(), 1200);
    // Member 3 runs from joint 4 (X 12 m) to joint 3 (X 0) in the listing: oriented.
    EXPECT_EQ(model["memberTable"].toArray()[2].toArray()[1].toInt(), 3);
    EXPECT_NE(run.out.find("\"x1\": -0.01, \"x2\": 12.01, \"z1\": -0.01, \"z2\": 8.01"),
              std::string::npos);
    EXPECT_EQ(model["memberLoadCaption"].toString(), "Member Loads   12.5");
    const QJsonObject message = model["messages"].toArray()[0].toObject();
    EXPECT_EQ(message["text"].toString(), "2 Error : , 12( 11. 15 UNI GY -3)");
    EXPECT_EQ(message["line"].toInt(), 11);
    EXPECT_EQ(model["startLevel"].toInt(), 2);
    const QJsonArray levels = model["levels"].toArray();
    ASSERT_EQ(levels.size(), 2);
    EXPECT_EQ(levels[1].toObject()["caption"].toString(), "3.5 M");
    EXPECT_EQ(model["levelLabels"].toArray()[1].toString(), " 3.5");
}

TEST(CommandLineProgram, DumpOfTheBundledSampleIsValidJson) {
    const ProgramRun run = frameplan({"dump", "samples/office-block.anl"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject model = parsedObject(run.out);
    EXPECT_GT(model["jointTable"].toArray().size(), 0);
    EXPECT_GT(model["designTable"].toArray().size(), 0);
    EXPECT_EQ(model["levels"].toArray().size(), model["gridY"].toArray().size());
}

TEST(CommandLineProgram, TextThatIsNotUtf8StillGivesValidJson) {
    const std::string listing = writeTemporaryFile("latin1.anl", smallListing("1\xB0\""));
    const ProgramRun run = frameplan({"dump", listing});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject model = parsedObject(run.out);
    EXPECT_EQ(model["floorLoads"].toArray()[0].toObject()["caseTitle"].toString(),
              QString::fromUtf8("1\u00B0\""));
}

TEST(CommandLineProgram, InfoSummarisesTheModelAndEchoesMessagesOnStandardError) {
    const std::string listing = writeTemporaryFile("info.anl", smallListing("1"));
    const ProgramRun run = frameplan({"info", listing});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Joints        6"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Levels        2 at 0, 3.5 m"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Floor loads   1 (case 1: 1)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Read in"), std::string::npos);
    EXPECT_NE(run.err.find("2 Error : , 12( 11. 15 UNI GY -3)"), std::string::npos) << run.err;
    // The 12 m by 8 m panel of level 2 under 4.5 kN/m².
    EXPECT_NE(run.out.find("3.5 m     1 panel, 0 without floor load\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Case 1 SLAB                     432.0 kN on 1 panel\n"),
              std::string::npos)
        << run.out;
}

TEST(CommandLineProgram, ScheduleWritesItsFilesOrSaysWhyNot) {
    const std::string csv = temporaryPath("loads.csv");
    const std::string stem = csv.substr(0, csv.size() - 4);
    const ProgramRun run = frameplan({"schedule", "samples/office-block.anl", "-o", csv});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Wrote " + stem + "-panels.csv\nWrote " + stem + "-beams.csv\nWrote " +
                           stem + "-takedown.csv\n");
    EXPECT_EQ(fileText(stem + "-beams.csv").substr(0, 21), "\xEF\xBB\xBFLevel (m),Serial,M");
    const ProgramRun plain =
        frameplan({"schedule", "samples/office-block.anl", "-o", csv, "--no-bom"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(fileText(stem + "-beams.csv").substr(0, 18), "Level (m),Serial,M");

    const ProgramRun format = frameplan({"schedule", "missing.anl", "-o", "loads.ods"});
    EXPECT_EQ(format.status, 2);
    EXPECT_NE(format.err.find("end it in .xlsx or .csv"), std::string::npos) << format.err;
    const std::string folder = temporaryPath("no-such-folder") + "/loads.xlsx";
    const ProgramRun unwritable = frameplan({"schedule", "samples/office-block.anl", "-o", folder});
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("Cannot write " + folder), std::string::npos) << unwritable.err;
}

// The export and the window are run by frameplan-gui, which frameplan hands them to; from a
// shell without a display the export still works and the window says why it cannot open.
class ProgramWithoutDisplay : public ::testing::Test {
  protected:
    static ProgramRun run(const std::vector<std::string>& arguments) {
        return runProgram(FRAMEPLAN_BINARY, arguments,
                          {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
    }
};

TEST_F(ProgramWithoutDisplay, ExportWritesPdfAndPng) {
    const std::string pdf = temporaryPath("plans.pdf");
    const ProgramRun pdfRun =
        run({"export", "samples/office-block.anl", "-o", pdf, "--level", "all"});
    ASSERT_EQ(pdfRun.status, 0) << pdfRun.err;
    EXPECT_EQ(pdfRun.out, "Wrote " + pdf + "\n");
    EXPECT_EQ(fileText(pdf).substr(0, 5), "%PDF-");

    const std::string png = temporaryPath("plan.png");
    const ProgramRun pngRun = run({"export", "samples/office-block.anl", "-o", png});
    ASSERT_EQ(pngRun.status, 0) << pngRun.err;
    EXPECT_EQ(fileText(png).substr(0, 4), "\x89PNG");
}

TEST_F(ProgramWithoutDisplay, ExportFailuresExitWithStatusTwoAndWriteNothing) {
    const std::string png = temporaryPath("failed.png");
    EXPECT_EQ(run({"export", "samples/office-block.anl", "-o", png, "--mode", "roof"}).status, 2);
    EXPECT_EQ(run({"export", "missing.anl", "-o", png}).status, 2);
    const std::string feet = feetListing();
    const ProgramRun units = run({"export", feet, "-o", png});
    EXPECT_EQ(units.status, 2);
    // Qt may warn about its environment first.
    const std::string shown = "frameplan: " + feet + ", line 1: " + kUnitMessage;
    const std::size_t message = units.err.find(shown);
    ASSERT_NE(message, std::string::npos) << units.err;
    EXPECT_EQ(units.err.find("Change the units", message + shown.size()), std::string::npos)
        << "the message is shown twice: " << units.err;
    EXPECT_TRUE(fileText(png).empty()) << "no file is written";
}

TEST_F(ProgramWithoutDisplay, TheWindowSaysSoAndPointsToTheExport) {
    const ProgramRun window = run({"samples/office-block.anl"});
    EXPECT_EQ(window.status, 2);
    EXPECT_NE(window.err.find("no display"), std::string::npos) << window.err;
    EXPECT_NE(window.err.find("frameplan export"), std::string::npos) << window.err;
}

}  // namespace
}  // namespace fp::testing
