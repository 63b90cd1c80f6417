// The export command end to end on the bundled sample: files written, failures reported.
#include "app/export_command.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <sstream>

namespace fp {
namespace {

constexpr const char* kSample = "samples/office-block.anl";

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runExportCommand(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(ExportCommand, WritesThePlanOfTheSample) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("plan.png").toStdString();
    const Outcome outcome = run({kSample, "-o", path, "--size", "800x450"});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "Wrote " + path + "\n");
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(800, 450));
}

TEST(ExportCommand, FailuresGoToTheErrorStreamWithStatusTwo) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("plan.png").toStdString();
    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{kSample, "-o", path, "--bogus"}, "unknown option --bogus"},
        {{"no-such-listing.anl", "-o", path}, "no-such-listing.anl"},
        {{kSample, "-o", path, "--level", "99"}, "no level 99"},
        {{kSample, "-o", path, "--intensities", "123"}, "123 is not a floor-load intensity"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.message;
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace fp
