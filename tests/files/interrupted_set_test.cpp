// A set of files is replaced as a set even when its run is killed between two renames, or its
// folder is moved meanwhile: the next run finishes it from its journal, or rolls it back.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "files/file_notices.h"
#include "files/pending_file.h"
#include "files/set_journal.h"

namespace fp {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& name) {
    const fs::path folder = fs::path(::testing::TempDir()) /
                            ("frameplan_set_" + std::to_string(::getpid()) + "_" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// The file's text, or "(none)" when there is no such file.
std::string textOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "(none)";
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::vector<std::string> kSet = {"loads-panels.csv", "loads-beams.csv", "loads-checks.csv"};

void writeSet(const fs::path& folder, const std::string& text) {
    PendingFiles set;
    for (const std::string& name : kSet) {
        writeThrough(set.add((folder / name).string()),
                     [&text](std::ostream& out) { out << text; });
    }
    set.commitAll();
}

// A run writing the set over and over, each time with its own text, until it is killed or can
// write no more (its folder moved away).
pid_t startWritingSets(const fs::path& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            for (long run = 1;; ++run) {
                writeSet(folder, "run " + std::to_string(run));
            }
        } catch (...) {
            ::_exit(1);
        }
    }
    return child;
}

// The texts of the set's files, which must all be one run's.
std::vector<std::string> setTexts(const fs::path& folder) {
    std::vector<std::string> texts;
    for (const std::string& name : kSet) {
        texts.push_back(textOf(folder / name));
    }
    return texts;
}

bool oneRuns(const std::vector<std::string>& texts) {
    return std::all_of(texts.begin(), texts.end(),
                       [&texts](const std::string& text) { return text == texts.front(); });
}

// Killed at a random moment, over and over, the run leaves a set the next run settles into one
// run's files (once 1 kill in 200 left files of two runs).
TEST(InterruptedSet, AKillAtAnyMomentLeavesOneRunsSetOnceSettled) {
    const fs::path folder = freshFolder("killed");
    writeSet(folder, "run 0");
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> microseconds(0, 10000);
    for (int kill = 0; kill < 200; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = startWritingSets(folder);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        settleInterruptedSetIn(folder.string());
        const std::vector<std::string> texts = setTexts(folder);
        ASSERT_TRUE(oneRuns(texts)) << texts[0] << ", " << texts[1] << ", " << texts[2];
        ASSERT_FALSE(fs::exists(folder / kSetJournalName));
    }
}

// The folder moved, between two renames or at any other moment, still gets a whole set: the
// renames are made inside the folder as it was opened, wherever it has gone.
TEST(InterruptedSet, AFolderMovedWhileTheSetIsPutInPlaceGetsTheWholeSet) {
    const fs::path base = freshFolder("moved");
    std::mt19937 random(54321);
    std::uniform_int_distribution<int> microseconds(0, 10000);
    for (int move = 0; move < 100; ++move) {
        SCOPED_TRACE("move " + std::to_string(move));
        const fs::path folder = base / "out";
        const fs::path moved = base / ("moved-" + std::to_string(move));
        fs::create_directories(folder);
        writeSet(folder, "run 0");
        const pid_t child = startWritingSets(folder);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        fs::rename(folder, moved);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        settleInterruptedSetIn(moved.string());
        const std::vector<std::string> texts = setTexts(moved);
        ASSERT_TRUE(oneRuns(texts)) << texts[0] << ", " << texts[1] << ", " << texts[2];
    }
}

// A journal whose every rename was written is finished forward; one cut short, written by a run
// stopped before its first rename, is rolled back. Either way the next run says which.
TEST(InterruptedSet, TheNextRunFinishesAWholeJournalAndRollsBackOneCutShort) {
    const std::vector<SetRename> renames = {{"a.csv.part1-1", "a.csv"}, {"b.csv.part1-1", "b.csv"}};
    const std::string whole = journalText(renames);
    const struct {
        const char* name;
        std::string journal;
        const char* firstBefore;  // a.csv as the stopped run left it
        const char* after;        // both files once settled
        const char* told;
    } cases[] = {
        {"stopped after the first rename", whole, "new", "new", "finished from its journal"},
        {"stopped while writing the journal", whole.substr(0, whole.size() - 3), "old", "old",
         "rolled back"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = freshFolder("settle");
        std::ofstream(folder / "a.csv") << c.firstBefore;
        std::ofstream(folder / "b.csv") << "old";
        std::ofstream(folder / "b.csv.part1-1") << "new";
        std::ofstream(folder / kSetJournalName) << c.journal;
        std::vector<std::string> notices;
        {
            const FileNoticeScope scope(
                [&notices](const std::string& text) { notices.push_back(text); });
            // The next run that writes into the folder settles it before anything else.
            writeWhole({{(folder / "other.csv").string(), "other"}});
        }
        EXPECT_EQ(textOf(folder / "a.csv"), c.after);
        EXPECT_EQ(textOf(folder / "b.csv"), c.after);
        EXPECT_FALSE(fs::exists(folder / "b.csv.part1-1"));
        EXPECT_FALSE(fs::exists(folder / kSetJournalName));
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_NE(notices[0].find(c.told), std::string::npos) << notices[0];
    }
}

// Names may hold any byte; a journal is whole only when written to its end.
TEST(InterruptedSet, AJournalIsWholeOnlyToItsLastByte) {
    const std::vector<SetRename> renames = {{"x\n1 2\nend 1\n.part3-4", "x\n1 2\nend 1\n"},
                                            {std::string("\0 y", 3), "y"}};
    const std::string text = journalText(renames);
    const ReadJournal read = readJournal(text);
    EXPECT_TRUE(read.whole);
    EXPECT_EQ(read.renames, renames);
    for (std::size_t size = 0; size < text.size(); ++size) {
        EXPECT_FALSE(readJournal(text.substr(0, size)).whole) << size;
    }
}

}  // namespace
}  // namespace fp
