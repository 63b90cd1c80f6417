// The export never leaves a half-written or finished-looking file when it fails: every limit a
// step past, a full disk, a path that is not UTF-8.
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <sstream>

#include "export_run.h"
#include "render/export_command.h"
#include "support/limit_listings.h"

namespace fp {
namespace {

using testing::exportCommand;
using Outcome = testing::ExportOutcome;

// File names are bytes; Qt would read one that is not UTF-8 as another name.
bool exists(const std::string& path) {
    return std::filesystem::exists(std::filesystem::path(path));
}

class ExportLimits : public ::testing::TestWithParam<testing::LimitCase> {};

TEST_P(ExportLimits, AtTheLimitTheLevelIsWrittenAndAStepPastNothingIsLeft) {
    const testing::LimitCase& limit = GetParam();
    QTemporaryDir folder;
    const std::string at = testing::writeTestListing(limit.atLimit);
    const std::string past = testing::writeTestListing(limit.pastLimit);
    const std::string level = std::to_string(limit.level == 0 ? 1 : limit.level);
    const std::string png = folder.filePath("plan.png").toStdString();

    const Outcome fits = exportCommand({at, "-o", png, "--level", level, "--size", "400x300"});
    EXPECT_EQ(fits.status, 0) << fits.err;
    EXPECT_TRUE(exists(png));
    QFile::remove(QString::fromStdString(png));

    const Outcome fails = exportCommand({past, "-o", png, "--level", level, "--size", "400x300"});
    EXPECT_EQ(fails.status, 2);
    EXPECT_NE(fails.err.find(limit.message), std::string::npos) << fails.err;
    EXPECT_FALSE(exists(png));
    if (limit.level > 0) {
        // Every page of a PDF, or every file of a level each, is written only when all are.
        for (const char* name : {"plans.pdf", "plan.svg"}) {
            const std::string all = folder.filePath(name).toStdString();
            EXPECT_EQ(exportCommand({past, "-o", all, "--level", "all"}).status, 2) << name;
            EXPECT_TRUE(QDir(folder.path()).isEmpty()) << name << " left a file behind";
        }
        EXPECT_EQ(exportCommand({past, "-o", png, "--level", "1"}).status, 0)
            << "the levels within the limits stay exportable";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLimit, ExportLimits, ::testing::ValuesIn(testing::limitCases()),
                         testing::limitCaseName);

// A disk that fills up while the file is written: the write fails, the file is not left behind
// and the failure names it. The file-size limit of the process stands in for the full disk.
TEST(ExportFaults, AFullDiskIsAFailureNamingTheFile) {
    QTemporaryDir folder;
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    for (const char* format : {"png", "svg", "pdf"}) {
        const std::string path = folder.filePath(QStringLiteral("plan.out")).toStdString();
        rlimit full = before;
        full.rlim_cur = 512;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
        const Outcome outcome =
            exportCommand({"samples/office-block.anl", "-o", path, "--format", format});
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &before), 0);
        EXPECT_EQ(outcome.status, 2) << format;
        EXPECT_EQ(outcome.out, "") << format;
        EXPECT_NE(outcome.err.find("Cannot write " + path), std::string::npos) << outcome.err;
        EXPECT_TRUE(QDir(folder.path()).isEmpty()) << format << " left a file behind";
    }
    std::signal(SIGXFSZ, ignored);
}

// File names are bytes: one that is not UTF-8 is written under exactly that name.
TEST(ExportFaults, APathThatIsNotUtf8IsWrittenUnderThatName) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/plan \xFF.png";
    const Outcome outcome = exportCommand({"samples/office-block.anl", "-o", path});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "Wrote " + path + "\n");
    std::vector<std::string> written;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(folder.path().toStdString()))) {
        written.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(written, std::vector<std::string>{"plan \xFF.png"});
}

}  // namespace
}  // namespace fp
