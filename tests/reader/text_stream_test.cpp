// Reading a listing line by line: line ends, odd bytes, long lines and keyword searches, from a
// file and from memory alike.
#include "reader/text_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

// The lines of `text` split one by one, as the stream is to give them.
Lines plainLines(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || text[at] == '\r') {
            lines.push_back(text.substr(start, at - start));
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            start = at + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// Text of short and long lines with every kind of line end, and stretches of nothing but line
// ends, where the edges of the reading blocks fall between a CR and its LF.
std::string mixedText(std::uint32_t seed) {
    const char* const ends[] = {"\n", "\r\n", "\r"};
    std::string text;
    for (const std::string dense : {"", "\r\n", "x\r\n", "\r", "", "\n\r"}) {
        for (std::size_t part = 0; part < kBlockSize; part += dense.size()) {
            if (!dense.empty()) {
                text += dense;
                continue;
            }
            seed = seed * 1664525u + 1013904223u;
            const std::size_t length =
                (seed >> 8) % 61 == 0 ? (seed >> 4) % (2 * kBlockSize) : (seed >> 8) % 120;
            text += std::string(length, static_cast<char>('a' + (seed >> 28)));
            text += (seed >> 12) % 5 == 0 ? " KEY " : "";
            text += ends[(seed >> 20) % 3];
            part += length + 1;
        }
    }
    return text;
}

TEST_P(TextStreamTest, LinesAcrossTheEdgesOfTheReadingBlocksAreReadWhole) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const std::string text = mixedText(seed);
        EXPECT_EQ(allLines(text), plainLines(text)) << "seed " << seed;
    }
}

TEST_P(TextStreamTest, KeywordSearchAgreesWithReadingLineByLine) {
    for (std::uint32_t seed : {4u, 5u}) {
        const std::string text = mixedText(seed);
        const Lines lines = plainLines(text);
        TextStream stream(source(text));
        std::size_t line = 0;
        while (stream.readLineContaining({"KEY"})) {
            while (lines[line].find("KEY") == std::string::npos) {
                ++line;
            }
            ASSERT_EQ(stream.lastLine(), lines[line]);
            ASSERT_EQ(stream.lineNumber(), static_cast<long>(line) + 1);
            // Every fourth line found, the next line is read in turn.
            if (++line % 4 == 0 && !stream.atEnd()) {
                ASSERT_EQ(stream.readLine(), lines[line++]);
            }
        }
        EXPECT_EQ(stream.lastLine(), lines.back());
        EXPECT_EQ(stream.lineNumber(), static_cast<long>(lines.size()));
    }
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
    const std::string longest(kLongestLine - 1, 'y');
    EXPECT_EQ(allLines(longest + "\nlast"), (Lines{longest, "last"}));
    EXPECT_EQ(allLines(longest + "\r"), (Lines{longest}));
    for (const std::string ending : {"\n", "\r\n", "\r", ""}) {
        TextStream exact(source("first\r\n" + std::string(kLongestLine, 'x') + ending));
        EXPECT_EQ(exact.readLine(), "first");
        EXPECT_THROW(exact.readLine(), ListingError);
    }
}

// Text in memory whose reading fails past an offset, as a disk may.
class FailingSource : public ListingSource {
  public:
    FailingSource(const std::string& text, std::uint64_t failAt)
        : text_(listingInMemory(text, "failing.anl")), failAt_(failAt) {}

    std::size_t readAt(std::uint64_t offset, char* into, std::size_t size) override {
        if (offset + size > failAt_) {
            throw ListingError("The listing cannot be read", "Check the disk.");
        }
        return text_->readAt(offset, into, size);
    }
    std::uint64_t size() const override { return text_->size(); }
    const std::string& name() const override { return text_->name(); }

  private:
    std::unique_ptr<ListingSource> text_;
    std::uint64_t failAt_;
};

TEST(TextStream, ASourceThatFailsEndsTheReadingAfterTheLinesReadBeforeIt) {
    std::string text;
    while (text.size() < 3 * kBlockSize) {
        text += "line " + std::to_string(text.size()) + "\n";
    }
    FailingSource failing(text, 2 * kBlockSize);
    TextStream stream(failing);
    Lines read;
    try {
        while (!stream.atEnd()) {
            read.emplace_back(stream.readLine());
        }
        ADD_FAILURE() << "the failure was not reported";
    } catch (const ListingError& failure) {
        EXPECT_NE(std::string(failure.what()).find("cannot be read"), std::string::npos);
    }
    const Lines all = plainLines(text);
    ASSERT_FALSE(read.empty());
    EXPECT_EQ(read, Lines(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(read.size())));
    EXPECT_GE(stream.nextLineOffset() + 200, kBlockSize);
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

}  // namespace
}  // namespace fp
