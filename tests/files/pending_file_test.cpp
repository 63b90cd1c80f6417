// A pending file is in place only once committed, and leaves nothing behind otherwise.
#include "files/pending_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Putting a file in the place of a device or a pipe would replace it (run as root, /dev/full once
// became a PNG file): a place that is not a regular file is written directly and left where it
// is. A pipe in the test's own folder stands for every such place.
TEST(PendingFile, APlaceThatIsNotARegularFileIsWrittenDirectly) {
    const fs::path pipe = freshFolder("pipe") / "plan.png";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    {
        PendingFile file(pipe.string());
        EXPECT_EQ(file.temporaryPath(), pipe.string());
        file.commit();
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    // A reader waits at the other end, so the writer does not block on opening the pipe.
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(writeWhole({{pipe.string(), "bytes"}}), std::vector<std::string>{pipe.string()});
    char received[8] = {};
    EXPECT_EQ(::read(reader, received, sizeof received), 5);
    ::close(reader);
    EXPECT_EQ(std::string(received), "bytes");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(std::distance(fs::directory_iterator(pipe.parent_path()), fs::directory_iterator()),
              1)
        << "no temporary file beside the pipe";
}

}  // namespace
}  // namespace fp
