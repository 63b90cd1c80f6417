// Every record the reader fills knows the listing line it was read from, counted as the messages
// count them, however far into the listing it stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader/listing_fixture.h"

namespace fp {
namespace {

using testing::lines;
using testing::readListingText;

// Result pages enough to fill several reading blocks, CR LF ended, each line numbered by hand.
std::string resultPages(int count) {
    std::string pages;
    for (int i = 0; i < count; ++i) {
        pages += "   " + std::to_string(i) + "    1   0.0012  -0.0034   0.0000   0.0001\r\n";
    }
    return pages;
}

TEST(ListingLines, EveryRecordKnowsTheLineItWasReadFrom) {
    const int pageLines = 20000;
    const std::string text =
        testing::structureHead() +  // lines 1 to 7
        lines({"    8. LOAD 1 LOADTYPE Dead TITLE DEAD", "    9. FLOOR LOAD",
               "   10. YRANGE 2.9 3.1 FLOAD -5 GY",
               "   11. YRANGE 2.9 3.1 FLOAD -2 XRANGE 0 6  ZRANGE 0 8  GY", "   12. MEMBER LOAD",
               "   13. 1 -", "   14. 2 UNI GY -10", "   15. LOAD 2 LOADTYPE Live TITLE LIVE",
               "   16. LOAD 1 LOADTYPE Dead TITLE AGAIN", "   17. MEMBER LOAD",
               "   18. 2 UNI GY -3"}) +
        resultPages(pageLines) +
        lines({"   B E A M  N O.     1   D E S I G N   R E S U L T S", "   LENGTH:  12000.0 mm",
               "   C O L U M N   N O.   2   D E S I G N   R E S U L T S",
               "   B E A M  N O.     2   D E S I G N   R E S U L T S", "   LENGTH:  8000.0 mm"});
    const ListingDocument document = readListingText(text).document;
    const long afterPages = 18 + pageLines;

    ASSERT_EQ(document.loadCases.size(), 2u);
    EXPECT_EQ(document.loadCases[0].line, 8) << "the first header of a number is kept";
    EXPECT_EQ(document.loadCases[1].line, 15);
    ASSERT_EQ(document.floorLoads.size(), 2u);
    EXPECT_EQ(document.floorLoads[0].line, 10);
    EXPECT_EQ(document.floorLoads[1].line, 11);
    std::vector<long> memberLoadLines;
    for (const MemberLoad& load : document.memberLoadsByMember) {
        memberLoadLines.push_back(load.line);
    }
    EXPECT_EQ(memberLoadLines, (std::vector<long>{13, 14, 18}))
        << "a statement's members carry the lines they are written on";
    ASSERT_EQ(document.designRows.size(), 2u);
    EXPECT_EQ(document.designRows[0].line, afterPages + 1);
    EXPECT_EQ(document.designRows[1].line, afterPages + 4);
}

TEST(ListingLines, ABeamBlockCutOffOnTheListingsLastLineIsNamedByThatLine) {
    const std::string text = testing::structureHead() + resultPages(3) +
                             "   B E A M  N O.     1   D E S I G N   R E S U L T S";
    const ListingDocument document = readListingText(text).document;
    EXPECT_EQ(document.designRows.size(), 0u);
    EXPECT_EQ(document.cutDesignHeaderLine, 11);
}

}  // namespace
}  // namespace fp
