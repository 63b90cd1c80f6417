// Load combinations read from the input echo, in the same reading as the rest of the echo.
#include <gtest/gtest.h>

#include "reader/listing_echo.h"

namespace fp {
namespace {

struct Expected {
    std::string number;
    std::string title;
    std::vector<std::pair<std::string, double>> terms;
    bool unpaired = false;
};

TEST(LoadCombinations, AreReadWithTheirCasesAndFactors) {
    const struct {
        const char* what;
        const char* text;
        std::vector<Expected> combinations;
    } cases[] = {
        {"the analysis program's own form",
         "  212. LOAD COMBINATION 4 1.5 (DEAD + LIVE)\n"
         "  213. 1 1.5 2 1.5\n"
         "  214. LOAD COMBINATION 5 1.2 (DEAD + LIVE + WIND)\n"
         "  215. 1 1.2 2 1.2 3 1.2\n"
         "  216. PERFORM ANALYSIS\n",
         {{"4", "1.5 (DEAD + LIVE)", {{"1", 1.5}, {"2", 1.5}}},
          {"5", "1.2 (DEAD + LIVE + WIND)", {{"1", 1.2}, {"2", 1.2}, {"3", 1.2}}}}},
        {"COMB for COMBINATION, factors over two lines, a page heading between them",
         "   40. LOAD COMB 101 ULTIMATE\n"
         "   41. 1 1.4 -\n"
         " FRAME ANALYSIS PROGRAM  --  PAGE NO.     2\n"
         "   42. 2  1.6\n"
         "   43. FINISH\n",
         {{"101", "ULTIMATE", {{"1", 1.4}, {"2", 1.6}}}}},
        {"no title; the listing ends inside it",
         "   40. LOAD COMBINATION 7\n"
         "   41. 1 1.0\n",
         {{"7", "", {{"1", 1.0}}}}},
        {"a case left without its factor is told",
         "   40. LOAD COMBINATION 8 ODD\n"
         "   41. 1 1.5 2\n"
         "   42. PERFORM ANALYSIS\n",
         {{"8", "ODD", {{"1", 1.5}}, true}}},
        {"a header without a number is no combination; nor are result lines",
         "   40. LOAD COMBINATION ALL\n"
         "   41. 1 1.5\n"
         "   LOAD COMBINATION 9 NOT ECHOED\n"
         "   1 1.5\n",
         {}},
        {"a load-case header is not a combination",
         "   40. LOAD 1 LOADTYPE Dead TITLE DEAD\n"
         "   41. 1 1.5\n",
         {}},
    };
    for (const auto& c : cases) {
        EchoScan scan;
        scan.take(c.text);
        const ListingEcho echo = scan.finish();
        ASSERT_EQ(echo.combinations.size(), c.combinations.size()) << c.what;
        for (std::size_t i = 0; i < c.combinations.size(); ++i) {
            const LoadCombination& read = echo.combinations[i];
            const Expected& expected = c.combinations[i];
            EXPECT_EQ(read.number, expected.number) << c.what;
            EXPECT_EQ(read.title, expected.title) << c.what;
            EXPECT_EQ(read.unpaired, expected.unpaired) << c.what;
            ASSERT_EQ(read.terms.size(), expected.terms.size()) << c.what;
            for (std::size_t t = 0; t < expected.terms.size(); ++t) {
                EXPECT_EQ(read.terms[t].caseNumber, expected.terms[t].first) << c.what;
                EXPECT_DOUBLE_EQ(read.terms[t].factor, expected.terms[t].second) << c.what;
            }
        }
    }
}

TEST(LoadCombinations, TheHeaderLineIsItsListingLine) {
    EchoScan scan;
    scan.take("heading\n\n   40. LOAD COMBINATION 4 A\n   41. 1 1.5\n");
    EXPECT_EQ(scan.finish().combinations.at(0).line, 3);
}

}  // namespace
}  // namespace fp
