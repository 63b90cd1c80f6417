// The command line run as the built program: exit status, stdout, stderr and the JSON dump.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string temporaryPath(const std::string& name) {
    return ::testing::TempDir() + "frameplan_cli_" + std::to_string(::getpid()) + "_" + name;
}

// Runs frameplan with `arguments` (each passed as one word).
ProgramRun frameplan(std::initializer_list<std::string> arguments) {
    const std::string out = temporaryPath("out.txt");
    const std::string err = temporaryPath("err.txt");
    std::string command = std::string("'") + FRAMEPLAN_BINARY + "'";
    for (const std::string& argument : arguments) {
        command += " '" + argument + "'";
    }
    command += " > '" + out + "' 2> '" + err + "' < /dev/null";
    const int status = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = fileText(out);
    run.err = fileText(err);
    return run;
}

std::string writeListing(const std::string& name, const std::string& text) {
    const std::string path = temporaryPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Joints from 0 to 12 m on two levels, a floor load, a member load with a bad member list.
std::string smallListing(const std::string& caseTitle) {
    return "    1. UNIT METER KN\n"
           "    2. JOINT COORDINATES\n"
           "    3. 1 0 0 0; 2 12 0 0; 3 0 3.5 0; 4 12 3.5 0; 5 0 3.5 8; 6 12 3.5 8\n"
           "    4. MEMBER INCIDENCES\n"
           "    5. 1 1 3; 2 2 4; 3 4 3; 4 3 5; 5 5 6; 6 4 6\n"
           "    6. LOAD " +
           caseTitle +
           " LOADTYPE DEAD TITLE SLAB\n"
           "    7. FLOOR LOAD\n"
           "    8. YRANGE 3.4 3.6 FLOAD -4.5 GY\n"
           "    9. MEMBER LOAD\n"
           "   10. 10 12  14 UNI GY -5\n"
           "   11. 15 UNI GY -3\n"
           "   12. MEMBER LOAD\n"
           "   13. 3 5 UNI GY -12.5\n";
}

QJsonObject parsedObject(const std::string& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

TEST(CommandLine, HelpAndVersionPrintOnStandardOutput) {
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

TEST(CommandLine, BadArgumentsAreReportedOnStandardErrorWithStatusTwo) {
    for (const ProgramRun& run :
         {frameplan({"--bogus"}), frameplan({"dump"}), frameplan({"info", "a", "b"}),
          frameplan({"frob", "listing.anl"})}) {
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("frameplan --help"), std::string::npos) << run.err;
    }
    EXPECT_NE(frameplan({"--bogus"}).err.find("unknown option \"--bogus\""), std::string::npos);
}

TEST(CommandLine, AMissingListingIsNamedAndNothingIsPrinted) {
    const ProgramRun run = frameplan({"dump", "/nonexistent/model.anl"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("/nonexistent/model.anl"), std::string::npos) << run.err;
}

TEST(CommandLine, ARunEndingListingPrintsItsMessageAndNothingElse) {
    const std::string feet = writeListing("feet.anl", "1. UNIT FEET KIP\n2. JOINT COORDINATES\n");
    const ProgramRun units = frameplan({"dump", feet});
    EXPECT_EQ(units.status, 2);
    EXPECT_TRUE(units.out.empty());
    EXPECT_NE(units.err.find("Change the units to Kn Meter"), std::string::npos) << units.err;
    const ProgramRun unitsInfo = frameplan({"info", feet});
    EXPECT_EQ(unitsInfo.status, 2);
    EXPECT_TRUE(unitsInfo.out.empty());
    const std::size_t first = unitsInfo.err.find("Change the units to Kn Meter");
    ASSERT_NE(first, std::string::npos) << unitsInfo.err;
    EXPECT_EQ(unitsInfo.err.find("Change the units", first + 1), std::string::npos)
        << "the message is shown twice: " << unitsInfo.err;
    const std::string wide = writeListing(
        "wide.anl", "1. UNIT METER KN\n2. JOINT COORDINATES\n3. 1 400 0 0\n4. MEMBER INCIDENCES\n");
    const ProgramRun coordinate = frameplan({"info", wide});
    EXPECT_EQ(coordinate.status, 2);
    EXPECT_TRUE(coordinate.out.empty());
    EXPECT_NE(coordinate.err.find("(line 3)"), std::string::npos) << coordinate.err;
}

TEST(CommandLine, DumpPrintsTheModelAsJsonWithItsKeysInOrder) {
    const std::string listing = writeListing("small.anl", smallListing("1"));
    const ProgramRun run = frameplan({"dump", listing});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    const QJsonObject model = parsedObject(run.out);
    std::size_t previous = 0;
    for (const char* key :
         {"listing", "jointTable", "memberTable", "designTable", "floorLoads", "floorIntensities",
          "memberLoads", "gridX", "gridY", "gridZ", "levelLabels", "intensityCaptions",
          "memberLoadCaption", "startLevel", "messages", "levels"}) {
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
    EXPECT_EQ(model["messages"].toArray()[0].toString(), "2 Error : , 12( 11. 15 UNI GY -3)");
    EXPECT_EQ(model["startLevel"].toInt(), 2);
    const QJsonArray levels = model["levels"].toArray();
    ASSERT_EQ(levels.size(), 2);
    EXPECT_EQ(levels[1].toObject()["caption"].toString(), "3.5 M");
    EXPECT_EQ(model["levelLabels"].toArray()[1].toString(), " 3.5");
}

TEST(CommandLine, DumpOfTheBundledSampleIsValidJson) {
    const ProgramRun run = frameplan({"dump", "samples/office-block.anl"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject model = parsedObject(run.out);
    EXPECT_GT(model["jointTable"].toArray().size(), 0);
    EXPECT_GT(model["designTable"].toArray().size(), 0);
    EXPECT_EQ(model["levels"].toArray().size(), model["gridY"].toArray().size());
}

TEST(CommandLine, TextThatIsNotUtf8StillGivesValidJson) {
    const std::string listing = writeListing("latin1.anl", smallListing("1\xB0\""));
    const ProgramRun run = frameplan({"dump", listing});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject model = parsedObject(run.out);
    EXPECT_EQ(model["floorLoads"].toArray()[0].toObject()["caseTitle"].toString(),
              QString::fromUtf8("1\u00B0\""));
}

TEST(CommandLine, InfoSummarisesTheModelAndEchoesMessagesOnStandardError) {
    const std::string listing = writeListing("info.anl", smallListing("1"));
    const ProgramRun run = frameplan({"info", listing});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Joints        6"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Levels        2 at 0, 3.5 m"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Floor loads   1 (case 1: 1)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Read in"), std::string::npos);
    EXPECT_NE(run.err.find("2 Error : , 12( 11. 15 UNI GY -3)"), std::string::npos) << run.err;
}

}  // namespace
