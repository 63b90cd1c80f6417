// The export command end to end on the bundled sample, as frameplan-gui runs it: files written,
// failures reported.
#include "render/export_command.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "export_run.h"

namespace fp {
namespace {

constexpr const char* kSample = "samples/office-block.anl";

using testing::exportCommand;
using Outcome = testing::ExportOutcome;

TEST(ExportCommand, WritesThePlanOfTheSample) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("plan.png").toStdString();
    const Outcome outcome = exportCommand({kSample, "-o", path, "--size", "800x450"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "Wrote " + path + "\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(800, 450));
}

TEST(ExportCommand, FailuresGoToTheErrorStreamWithStatusTwo) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("plan.png").toStdString();
    const std::string feet = dir.filePath("feet.anl").toStdString();
    std::ofstream(feet) << "1. UNIT FEET KIP\n2. JOINT COORDINATES\n";
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{kSample, "-o", path, "--bogus"}, "--bogus"},
        {{"no-such-listing.anl", "-o", path}, "no-such-listing.anl"},
        {{kSample, "-o", path, "--level", "99"}, "no level 99"},
        {{kSample, "-o", path, "--intensities", "123"}, "123 is not a floor-load intensity"},
        {{kSample, "-o", path, "--cases", "1,7"},
         "--cases: the listing has no load case 7. Its load cases are 1, 2, 3."},
        {{kSample, "-o", path, "--cases", "1,,2"}, "--cases expects load case numbers"},
        {{feet, "-o", path}, "line 1: Change the units to Kn Meter \n"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = exportCommand(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.message;
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path))) << c.message;
    }
}

}  // namespace
}  // namespace fp
