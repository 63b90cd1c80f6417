// A pending file is in place only once committed, and leaves nothing behind otherwise.
#include "files/pending_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/locked_folder.h"

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
        file.commitIn(LockedFolder(folder.string()));
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
        file.commitIn(LockedFolder("/nonexistent-folder"));
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
        file.commitIn(LockedFolder(pipe.parent_path().string()));
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

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A run killed before it could put its files in place or remove them left them behind; the next
// run of the same names removes them, and nothing else.
TEST(PendingFiles, TemporariesOfAKilledRunAreRemovedAndNothingElse) {
    const fs::path folder = freshFolder("stale");
    const std::string longName(255, 'n');
    for (const std::string& name : std::vector<std::string>{
             "loads-panels.csv.part2823411-7", "loads-panels.csv.part-notes", "loads.csv.part1-2",
             "other.csv.part1-2", (std::string(246, 'n') + ".part12-3")}) {
        std::ofstream(folder / name) << "left";
    }
    writeWhole({{(folder / "loads-panels.csv").string(), "new"},
                {(folder / "loads.csv").string(), "new"},
                {(folder / longName).string(), "new"}});
    EXPECT_EQ(namesIn(folder),
              (std::vector<std::string>{"loads-panels.csv", "loads-panels.csv.part-notes",
                                        "loads.csv", longName, "other.csv.part1-2"}));
}

// The temporary suffix does not make a name of up to 255 bytes too long.
TEST(PendingFiles, NamesOfUpTo255BytesAreWritten) {
    const fs::path folder = freshFolder("long");
    for (const std::size_t size : {240u, 250u, 255u}) {
        const std::string name(size, 'a' + static_cast<char>(size % 26));
        EXPECT_NO_THROW(writeWhole({{(folder / name).string(), "x"}})) << size;
        EXPECT_TRUE(fs::exists(folder / name)) << size;
    }
    EXPECT_EQ(namesIn(folder).size(), 3u);
}

// Two runs writing the same set take turns: a run waits while another holds the folder.
TEST(PendingFiles, ARunWaitsWhileAnotherWritesIntoTheFolder) {
    const fs::path folder = freshFolder("turns");
    const std::string path = (folder / "plan-1.png").string();
    std::atomic<bool> written{false};
    std::thread second;
    {
        const LockedFolder first(folder.string());
        second = std::thread([&] {
            writeWhole({{path, "second"}});
            written = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_FALSE(written);
        EXPECT_FALSE(fs::exists(path));
    }
    second.join();
    EXPECT_TRUE(written);
    EXPECT_TRUE(fs::exists(path));
}

}  // namespace
}  // namespace fp
