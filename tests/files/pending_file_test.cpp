// A pending file is in place only once committed, and leaves nothing behind otherwise.
#include "files/pending_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fp {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::path(::testing::TempDir()) / ("frameplan_pending_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

TEST(PendingFile, ReplacesTheFileOnlyWhenCommitted) {
    const fs::path folder = freshFolder("commit");
    const std::string path = (folder / "loads.csv").string();
    std::ofstream(path) << "old";
    {
        PendingFile file(path);
        std::ofstream(file.temporaryPath()) << "new";
        file.commit();
    }
    std::ifstream in(path);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(PendingFile, AFileNotCommittedLeavesNothingAndTheOldFileAlone) {
    const fs::path folder = freshFolder("drop");
    const std::string path = (folder / "loads.csv").string();
    std::ofstream(path) << "old";
    {
        PendingFile file(path);
        std::ofstream(file.temporaryPath()) << "half";
    }
    std::ifstream in(path);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(PendingFile, ACommitThatFailsNamesTheFile) {
    const std::string path = "/nonexistent-folder/loads.csv";
    PendingFile file(path);
    try {
        file.commit();
        FAIL() << "committed";
    } catch (const FileWriteError& failure) {
        EXPECT_NE(std::string(failure.what()).find("Cannot write " + path + ": "),
                  std::string::npos);
    }
}

// Putting a file in the place of a device would replace the device (run as root, /dev/full became
// a PNG file): a place that is not a regular file is written directly and left where it is.
TEST(PendingFile, APlaceThatIsNotARegularFileIsWrittenDirectly) {
    if (!std::filesystem::exists("/dev/null")) {
        GTEST_SKIP() << "no /dev/null here";
    }
    {
        PendingFile file("/dev/null");
        EXPECT_EQ(file.temporaryPath(), "/dev/null");
        file.commit();
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(writeWhole({{"/dev/null", "bytes"}}), std::vector<std::string>{"/dev/null"});
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace fp
