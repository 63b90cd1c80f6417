// The line index numbers lines as the reader does, whatever the line ends and wherever the
// reads of the file cut them, and reads any range, search and statement back from the file.
#include "reader/line_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/read_progress.h"
#include "reader/text_stream.h"

namespace fp {
namespace {

// `text` must outlive the index.
LineIndex indexOf(const std::string& text, std::size_t blockSize) {
    return LineIndex(listingInMemory(text, "test.anl"), blockSize);
}

// The lines as the reader reads them.
std::vector<std::string> readerLines(const std::string& text) {
    const auto source = listingInMemory(text, "test.anl");
    TextStream stream(*source);
    std::vector<std::string> lines;
    while (!stream.atEnd()) {
        lines.emplace_back(stream.readLine());
    }
    return lines;
}

// More lines than a stride, so that reads start at checkpoints other than the first.
std::string manyLines(const std::string& end) {
    std::string text;
    for (int i = 1; i <= 3 * LineIndex::kStride + 5; ++i) {
        text += "line " + std::to_string(i) + (i % 7 == 0 ? end + end : end);
    }
    return text;
}

TEST(LineIndex, ReadsEveryLineAsTheReaderDoes) {
    const std::vector<std::string> texts{
        "",
        "one line without an end",
        "a\nb\n",
        "a\r\nb\r\n\r\nc",
        "a\rb\r\rc\r",
        "mixed\r\n\n\r\rlast\n",
        "\n\n\n",
        "\r\n",
        manyLines("\n"),
        manyLines("\r\n"),
        manyLines("\r"),
    };
    for (const std::string& text : texts) {
        const std::vector<std::string> expected = readerLines(text);
        for (const std::size_t blockSize : {1u, 2u, 3u, 7u, 1u << 20}) {
            SCOPED_TRACE(::testing::Message() << "block " << blockSize << ": " << text);
            const LineIndex index = indexOf(text, blockSize);
            ASSERT_EQ(index.lineCount(), static_cast<long>(expected.size()));
            EXPECT_EQ(index.lines(1, index.lineCount()), expected);
            for (long line = 1; line <= index.lineCount(); ++line) {
                const std::vector<std::string> one = index.lines(line, 1);
                ASSERT_EQ(one.size(), 1u);
                EXPECT_EQ(one[0], expected[static_cast<std::size_t>(line - 1)]);
            }
        }
    }
}

TEST(LineIndex, RangesAreClippedToTheListing) {
    const std::string text = "a\nb\nc\n";
    const LineIndex index = indexOf(text, 2);
    EXPECT_EQ(index.lines(2, 10), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(index.lines(-1, 3), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(index.lines(4, 2).empty());
    EXPECT_TRUE(index.lines(1, 0).empty());
}

TEST(LineIndex, CutsOverlongLinesAndKeepsCounting) {
    const std::string text = std::string(3 * LineIndex::kLongestShown, 'x') + "\nafter\n";
    const LineIndex index = indexOf(text, 1000);
    ASSERT_EQ(index.lineCount(), 2);
    EXPECT_EQ(index.lines(1, 1)[0].size(), LineIndex::kLongestShown);
    EXPECT_EQ(index.lines(2, 1)[0], "after");
}

TEST(LineIndex, HoldsFarLessThanTheText) {
    const std::string text = manyLines("\n");
    const LineIndex index = indexOf(text, 64);
    EXPECT_LE(index.memoryBytes(), static_cast<std::size_t>(index.lineCount()) * 8);
}

TEST(LineIndex, FindsTextForwardAndBackWrappingRound) {
    const std::string text =
        "   1. UNIT METER KN\n   2. yrange 0 3\n   3. JOINT\n   4. YRANGE 3 6\n";
    const LineIndex index = indexOf(text, 3);
    struct Case {
        std::string text;
        long from;
        bool forward;
        long found;
    };
    const std::vector<Case> cases{
        {"YRANGE", 1, true, 2},  {"YRANGE", 2, true, 4},  {"YRANGE", 4, true, 2},
        {"YRANGE", 4, false, 2}, {"YRANGE", 2, false, 4}, {"joint", 3, true, 3},
        {"absent", 1, true, 0},  {"absent", 3, false, 0}, {"", 1, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " from " + std::to_string(c.from));
        EXPECT_EQ(index.find(c.text, c.from, c.forward), c.found);
    }
}

// A search or an index stopped part-way gives up at once: nothing found, nothing half-built.
TEST(LineIndex, StopsWhenAskedPartWay) {
    // Long enough to be asked several times on the way: once in a thousand lines or so.
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        text += "   " + std::to_string(i) + ". MEMBER LOAD\n";
    }
    text += "the last line\n";
    const LineIndex index = indexOf(text, 64);
    const long last = index.lineCount();
    for (const bool forward : {true, false}) {
        long asked = 0;
        const auto afterFirstAsking = [&asked] { return ++asked > 1; };
        EXPECT_EQ(index.find("the last", 1, forward, afterFirstAsking), 0) << forward;
        EXPECT_GE(asked, 2) << "asked again as the search goes on";
        EXPECT_EQ(index.find("the last", 1, forward, [] { return false; }), last) << forward;
    }
    long reads = 0;
    EXPECT_THROW(LineIndex(listingInMemory(text, "test.anl"), 64, [&reads] { return ++reads > 3; }),
                 ReadCancelled);
    EXPECT_EQ(reads, 4);
}

TEST(LineIndex, StatementRunsOverItsContinuationLines) {
    const std::string text =
        "   1. MEMBER LOAD\n   2. 1 TO 5 7 -\n   3. 9 -  \n   4. 11 UNI GY -10\n"
        "   5. 12 UNI GY -2\n";
    const LineIndex index = indexOf(text, 4);
    struct Case {
        long line;
        long first;
        long last;
    };
    for (const Case& c :
         std::vector<Case>{{4, 2, 4}, {2, 2, 4}, {3, 2, 4}, {5, 5, 5}, {1, 1, 1}, {99, 99, 99}}) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(index.statementAround(c.line), std::make_pair(c.first, c.last));
    }
}

}  // namespace
}  // namespace fp
