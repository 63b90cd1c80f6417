// Reading a listing line by line: line ends, odd bytes, long lines and keyword searches.
#include "reader/text_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/run_error.h"
#include "reader/listing_fixture.h"

namespace fp {
namespace {

std::vector<std::string> allLines(const std::string& text) {
    TextStream stream(testing::writeListingFile(text));
    std::vector<std::string> read;
    while (!stream.AtEndOfStream()) {
        read.emplace_back(stream.readline());
    }
    return read;
}

using Lines = std::vector<std::string>;

TEST(TextStream, LinesEndAtLfCrlfOrCrAndTheLineEndIsNeverPartOfTheLine) {
    EXPECT_EQ(allLines("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(allLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(allLines("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(allLines("a\r\n\nb\r\rc"), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(allLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(allLines(""), Lines{});
}

TEST(TextStream, ALastLineWithoutLineEndIsStillALine) {
    EXPECT_EQ(allLines("first\nlast"), (Lines{"first", "last"}));
    EXPECT_EQ(allLines("only"), (Lines{"only"}));
}

TEST(TextStream, TabsHighBytesAndNulBytesAreText) {
    const std::string odd = std::string("a\tb\xB0\xFF", 5) + std::string(1, '\0') + "c";
    EXPECT_EQ(allLines(odd + "\r\n" + odd), (Lines{odd, odd}));
}

TEST(TextStream, AOneMegabyteLineIsReadWhole) {
    const std::string longLine(1 << 20, 'x');
    EXPECT_EQ(allLines("before\n" + longLine + "\nafter"), (Lines{"before", longLine, "after"}));
    // Three times the reading block, without any line end.
    const std::string longer = std::string(3 << 20, 'y') + "end";
    EXPECT_EQ(allLines(longer), (Lines{longer}));
}

TEST(TextStream, ACrlfSplitByTheReadingBlockIsOneLineEnd) {
    // The first line fills the 1 MB block up to its CR; the LF comes with the next block.
    const std::string first((1 << 20) - 1, 'a');
    EXPECT_EQ(allLines(first + "\r\nb\r\n"), (Lines{first, "b"}));
    TextStream stream(testing::writeListingFile(first + "\r\nKEY\r\n"));
    EXPECT_TRUE(stream.readlineContaining({"KEY"}));
    EXPECT_EQ(stream.lastLine(), "KEY");
    EXPECT_EQ(stream.lineNumber(), 2);
}

TEST(TextStream, KeywordSearchReturnsTheWholeLineHoldingTheKey) {
    TextStream stream(
        testing::writeListingFile("one\r\ntwo LOADTYPE x\r\nthree YRANGE\r\nfour\r\n"));
    EXPECT_TRUE(stream.readlineContaining({"YRANGE", "LOADTYPE"}));
    EXPECT_EQ(stream.lastLine(), "two LOADTYPE x");
    EXPECT_EQ(stream.lineNumber(), 2);
    EXPECT_TRUE(stream.readlineContaining({"YRANGE", "LOADTYPE"}));
    EXPECT_EQ(stream.lastLine(), "three YRANGE");
    EXPECT_EQ(stream.readline(), "four");
    EXPECT_TRUE(stream.AtEndOfStream());
}

TEST(TextStream, KeywordSearchFindsKeysAcrossReadingBlocks) {
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
    TextStream stream(testing::writeListingFile(text + "last line"));
    for (int block = 0; block < 5; ++block) {
        ASSERT_TRUE(stream.readlineContaining({"B E A M  N O."}));
        EXPECT_EQ(stream.lastLine(), "B E A M  N O. " + std::to_string(block));
        EXPECT_EQ(stream.lineNumber(), expectedLines[static_cast<std::size_t>(block)]);
    }
    EXPECT_FALSE(stream.readlineContaining({"B E A M  N O."}));
    EXPECT_EQ(stream.lastLine(), "last line");
}

TEST(TextStream, AFailedSearchLeavesTheFilesLastLineAsTheLineLastRead) {
    for (const std::string ending : {"\n", "\r\n", "\r", ""}) {
        TextStream stream(testing::writeListingFile("a\nb\nthe end" + ending));
        EXPECT_FALSE(stream.readlineContaining({"KEY"}));
        EXPECT_EQ(stream.lastLine(), "the end");
        EXPECT_EQ(stream.lineNumber(), 3);
        EXPECT_TRUE(stream.AtEndOfStream());
    }
    // A last line read before the last block was refilled.
    const std::string big(1 << 20, 'z');
    TextStream stream(testing::writeListingFile("x\n" + big + "\n" + "tail\n"));
    EXPECT_FALSE(stream.readlineContaining({"KEY"}));
    EXPECT_EQ(stream.lastLine(), "tail");
}

std::vector<std::string> linesBetween(TextStream& stream, std::uint64_t from, std::uint64_t to) {
    std::vector<std::string> between;
    stream.forEachLineBetween(from, to, [&](std::string_view line) { between.emplace_back(line); });
    return between;
}

TEST(TextStream, TheLinesASearchPassedOverCanBeVisitedInOrder) {
    TextStream stream(testing::writeListingFile("a\r\nb\rc\nKEY 1\nKEY 2\nd\n"));
    ASSERT_TRUE(stream.readlineContaining({"KEY"}));
    EXPECT_EQ(linesBetween(stream, 0, stream.lineOffset()), (Lines{"a", "b", "c"}));
    const std::uint64_t afterFirst = stream.nextLineOffset();
    ASSERT_TRUE(stream.readlineContaining({"KEY"}));
    EXPECT_EQ(linesBetween(stream, afterFirst, stream.lineOffset()), Lines{});
    EXPECT_EQ(linesBetween(stream, 0, stream.nextLineOffset()),
              (Lines{"a", "b", "c", "KEY 1", "KEY 2"}));
    EXPECT_EQ(stream.readline(), "d");
}

TEST(TextStream, LinesPassedOverBeyondTheBlockAreReadAgainFromTheFile) {
    std::string text;
    Lines expected;
    for (int i = 0; text.size() < (3u << 20); ++i) {
        expected.push_back("line " + std::to_string(i) + (i % 2 == 0 ? "" : " with more text"));
        text += expected.back() + (i % 3 == 0 ? "\r\n" : "\n");
    }
    TextStream stream(testing::writeListingFile(text + "KEY\n"));
    ASSERT_TRUE(stream.readlineContaining({"KEY"}));
    EXPECT_EQ(linesBetween(stream, 0, stream.lineOffset()), expected);
}

TEST(TextStream, TheLastLineOfAFileIsReadFromItsEnd) {
    EXPECT_EQ(lastLineOf(testing::writeListingFile("a\nthe end\n")), "the end");
    EXPECT_EQ(lastLineOf(testing::writeListingFile("a\r\nthe end\r\n")), "the end");
    EXPECT_EQ(lastLineOf(testing::writeListingFile("a\rthe end")), "the end");
    EXPECT_EQ(lastLineOf(testing::writeListingFile("a\n\n")), "");
    EXPECT_EQ(lastLineOf(testing::writeListingFile("")), "");
    const std::string longLine(100000, 'x');
    EXPECT_EQ(lastLineOf(testing::writeListingFile("a\n" + longLine + "\n")), longLine);
    EXPECT_EQ(lastLineOf(testing::writeListingFile(longLine)), longLine);
}

TEST(TextStream, AFileThatCannotBeOpenedEndsTheRunNamingIt) {
    try {
        TextStream stream("/nonexistent/listing.anl");
        FAIL() << "the missing file was opened";
    } catch (const RunEndingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("/nonexistent/listing.anl"), std::string::npos);
    }
}

}  // namespace
}  // namespace fp
