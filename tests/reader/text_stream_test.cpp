// Reading a listing line by line: line ends, odd bytes, long lines and keyword searches, from a
// file and from memory alike.
#include "reader/text_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "reader/listing_fixture.h"
#include "reader/listing_source.h"

namespace fp {
namespace {

using Lines = std::vector<std::string>;

enum class Held { InAFile, InMemory };

std::string heldName(const ::testing::TestParamInfo<Held>& info) {
    return info.param == Held::InAFile ? "InAFile" : "InMemory";
}

class TextStreamTest : public ::testing::TestWithParam<Held> {
  protected:
    // A source of `text`, held as the test's parameter says; it lives as long as the test.
    ListingSource& source(const std::string& text) {
        texts_.push_back(std::make_unique<std::string>(text));
        if (GetParam() == Held::InAFile) {
            sources_.push_back(openListingFile(testing::writeListingFile(text)));
        } else {
            sources_.push_back(listingInMemory(*texts_.back(), "memory.anl"));
        }
        return *sources_.back();
    }

    Lines allLines(const std::string& text) {
        TextStream stream(source(text));
        Lines read;
        while (!stream.atEnd()) {
            read.emplace_back(stream.readLine());
        }
        return read;
    }

    Lines linesBetween(TextStream& stream, std::uint64_t from, std::uint64_t to) {
        Lines between;
        stream.forEachLineBetween(from, to,
                                  [&](std::string_view line) { between.emplace_back(line); });
        return between;
    }

  private:
    std::vector<std::unique_ptr<std::string>> texts_;
    std::vector<std::unique_ptr<ListingSource>> sources_;
};

INSTANTIATE_TEST_SUITE_P(BothSources, TextStreamTest,
                         ::testing::Values(Held::InAFile, Held::InMemory), heldName);

TEST_P(TextStreamTest, LinesEndAtLfCrlfOrCrAndTheLineEndIsNeverPartOfTheLine) {
    EXPECT_EQ(allLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(allLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(allLines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(allLines("a\r\n\nb\r\rc"), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(allLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(allLines(""), Lines{});
}

TEST_P(TextStreamTest, ALastLineWithoutLineEndIsStillALine) {
    EXPECT_EQ(allLines("first\nlast"), (Lines{"first", "last"}));
    EXPECT_EQ(allLines("only"), (Lines{"only"}));
}

TEST_P(TextStreamTest, ReadingPastTheEndGivesTheEmptyText) {
    TextStream stream(source("one\n"));
    EXPECT_EQ(stream.readLine(), "one");
    EXPECT_TRUE(stream.atEnd());
    EXPECT_EQ(stream.readLine(), "");
    EXPECT_TRUE(stream.atEnd());
}

TEST_P(TextStreamTest, TabsHighBytesAndNulBytesAreText) {
    const std::string odd = std::string("a\tb\xB0\xFF", 5) + std::string(1, '\0') + "c";
    EXPECT_EQ(allLines(odd + "\r\n" + odd), (Lines{odd, odd}));
}

TEST_P(TextStreamTest, AOneMegabyteLineIsReadWhole) {
    const std::string longLine(1 << 20, 'x');
    EXPECT_EQ(allLines("before\n" + longLine + "\nafter"), (Lines{"before", longLine, "after"}));
    // Three times the reading block, without any line end.
    const std::string longer = std::string(3 << 20, 'y') + "end";
    EXPECT_EQ(allLines(longer), (Lines{longer}));
}

// A file without line ends (or not a listing at all) fails at its first overlong line, naming it,
// instead of being held in memory whole.
TEST_P(TextStreamTest, ALineLongerThanTheLongestFailsNamingItsLine) {
    const std::string overlong(kLongestLine + 1, 'z');
    TextStream stream(source("one\ntwo\n" + overlong + "\nfour\n"));
    EXPECT_EQ(stream.readLine(), "one");
    EXPECT_EQ(stream.readLine(), "two");
    try {
        stream.readLine();
        ADD_FAILURE() << "an overlong line was read";
    } catch (const ListingError& failure) {
        EXPECT_EQ(failure.line(), 3);
        EXPECT_NE(std::string(failure.what()).find("longer than 4 MB"), std::string::npos);
    }
    TextStream searching(source(overlong + "KEY\n"));
    EXPECT_THROW(searching.readLineContaining({"KEY"}), ListingError);
    EXPECT_THROW(lastLineOf(source("first\n" + overlong)), ListingError);
    const std::string longest(kLongestLine - 1, 'y');
    EXPECT_EQ(allLines(longest + "\nlast"), (Lines{longest, "last"}));
}

TEST_P(TextStreamTest, ACrlfSplitByTheReadingBlockIsOneLineEnd) {
    // The first line fills the 1 MB block up to its CR; the LF comes with the next block.
    const std::string first((1 << 20) - 1, 'a');
    EXPECT_EQ(allLines(first + "\r\nb\r\n"), (Lines{first, "b"}));
    TextStream stream(source(first + "\r\nKEY\r\n"));
    EXPECT_TRUE(stream.readLineContaining({"KEY"}));
    EXPECT_EQ(stream.lastLine(), "KEY");
    EXPECT_EQ(stream.lineNumber(), 2);
}

TEST_P(TextStreamTest, KeywordSearchReturnsTheWholeLineHoldingTheKey) {
    TextStream stream(source("one\r\ntwo LOADTYPE x\r\nthree YRANGE\r\nfour\r\n"));
    EXPECT_EQ(stream.lineNumber(), 0) << "no line read yet";
    EXPECT_TRUE(stream.readLineContaining({"YRANGE", "LOADTYPE"}));
    EXPECT_EQ(stream.lastLine(), "two LOADTYPE x");
    EXPECT_EQ(stream.lineNumber(), 2);
    EXPECT_TRUE(stream.readLineContaining({"YRANGE", "LOADTYPE"}));
    EXPECT_EQ(stream.lastLine(), "three YRANGE");
    EXPECT_EQ(stream.readLine(), "four");
    EXPECT_TRUE(stream.atEnd());
}

TEST_P(TextStreamTest, KeywordSearchFindsKeysAcrossReadingBlocks) {
    std::string text;
    const std::string filler = "   12    1   0.0012  -0.0034  PAGE\n";
    std::vector<long> expectedLines;
    for (int block = 0; block < 5; ++block) {
        while (text.size() < static_cast<std::size_t>(block + 1) * (1 << 20) - 3) {
            text += filler;
        }
        // The key begins three bytes before the block boundary.
        text.resize(static_cast<std::size_t>(block + 1) * (1 << 20) - 3);
        text += "\n";
        expectedLines.push_back(static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1);
        text += "B E A M  N O. " + std::to_string(block) + "\n";
    }
    TextStream stream(source(text + "last line"));
    for (int block = 0; block < 5; ++block) {
        ASSERT_TRUE(stream.readLineContaining({"B E A M  N O."}));
        EXPECT_EQ(stream.lastLine(), "B E A M  N O. " + std::to_string(block));
        EXPECT_EQ(stream.lineNumber(), expectedLines[static_cast<std::size_t>(block)]);
    }
    EXPECT_FALSE(stream.readLineContaining({"B E A M  N O."}));
    EXPECT_EQ(stream.lastLine(), "last line");
}

TEST_P(TextStreamTest, AFailedSearchLeavesTheFilesLastLineAsTheLineLastRead) {
    for (const std::string ending : {"\n", "\r\n", "\r", ""}) {
        TextStream stream(source("a\nb\nthe end" + ending));
        EXPECT_FALSE(stream.readLineContaining({"KEY"}));
        EXPECT_EQ(stream.lastLine(), "the end");
        EXPECT_EQ(stream.lineNumber(), 3);
        EXPECT_TRUE(stream.atEnd());
    }
    // A last line read before the last block was refilled.
    const std::string big(1 << 20, 'z');
    TextStream stream(source("x\n" + big + "\n" + "tail\n"));
    EXPECT_FALSE(stream.readLineContaining({"KEY"}));
    EXPECT_EQ(stream.lastLine(), "tail");
}

TEST_P(TextStreamTest, TheLinesASearchPassedOverCanBeVisitedInOrder) {
    TextStream stream(source("a\r\nb\rc\nKEY 1\nKEY 2\nd\n"));
    ASSERT_TRUE(stream.readLineContaining({"KEY"}));
    EXPECT_EQ(linesBetween(stream, 0, stream.lineOffset()), (Lines{"a", "b", "c"}));
    const std::uint64_t afterFirst = stream.nextLineOffset();
    ASSERT_TRUE(stream.readLineContaining({"KEY"}));
    EXPECT_EQ(linesBetween(stream, afterFirst, stream.lineOffset()), Lines{});
    EXPECT_EQ(linesBetween(stream, 0, stream.nextLineOffset()),
              (Lines{"a", "b", "c", "KEY 1", "KEY 2"}));
    EXPECT_EQ(stream.readLine(), "d");
}

TEST_P(TextStreamTest, LinesPassedOverBeyondTheBlockAreReadAgainFromTheSource) {
    std::string text;
    Lines expected;
    for (int i = 0; text.size() < (3u << 20); ++i) {
        expected.push_back("line " + std::to_string(i) + (i % 2 == 0 ? "" : " with more text"));
        text += expected.back() + (i % 3 == 0 ? "\r\n" : "\n");
    }
    TextStream stream(source(text + "KEY\n"));
    ASSERT_TRUE(stream.readLineContaining({"KEY"}));
    EXPECT_EQ(linesBetween(stream, 0, stream.lineOffset()), expected);
}

TEST_P(TextStreamTest, TheLastLineOfAListingIsReadFromItsEnd) {
    EXPECT_EQ(lastLineOf(source("a\nthe end\n")), "the end");
    EXPECT_EQ(lastLineOf(source("a\r\nthe end\r\n")), "the end");
    EXPECT_EQ(lastLineOf(source("a\rthe end")), "the end");
    EXPECT_EQ(lastLineOf(source("a\n\n")), "");
    EXPECT_EQ(lastLineOf(source("")), "");
    const std::string longLine(100000, 'x');
    EXPECT_EQ(lastLineOf(source("a\n" + longLine + "\n")), longLine);
    EXPECT_EQ(lastLineOf(source(longLine)), longLine);
}

}  // namespace
}  // namespace fp
