// The start-up texts of a document: level labels, intensity captions, member-load caption, the
// level shown first and its caption.
#include "document/startup_texts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "reader/listing_fixture.h"
#include "support/document_builder.h"

namespace fp {
namespace {

// A document whose levels are at these heights (hundredths of a metre), in any order.
ListingDocument documentWithLevels(std::initializer_list<int16_t> heights) {
    testing::DocumentBuilder builder;
    int16_t number = 0;
    for (const int16_t height : heights) {
        builder.joint(++number, 0, height, 0);
    }
    return builder.build();
}

TEST(StartupTexts, LevelLabelsUseTheLevelFormAndCaptionsTheValueForm) {
    const ListingDocument document = documentWithLevels({700, 0, 350, -150, 9360});
    EXPECT_EQ(levelLabels(document),
              (std::vector<std::string>{"-1.5", " 0", " 3.5", " 7", " 93.6"}));
    EXPECT_EQ(levelCaption(document, 5, '.'), "93.6 M");
    EXPECT_EQ(levelCaption(document, 3, ','), "3,5 M");
    EXPECT_EQ(levelCaption(document, 1, '.'), "-1.5 M");
}

TEST(StartupTexts, TheFirstLevelShownIsTheThirdOrTheHighestOfFewer) {
    EXPECT_EQ(startLevel(documentWithLevels({0, 350, 700, 1050})), 3);
    EXPECT_EQ(startLevel(documentWithLevels({0, 350})), 2);
    EXPECT_EQ(startLevel(documentWithLevels({})), 0);
    EXPECT_TRUE(levelLabels(documentWithLevels({})).empty());
}

// The listing gives its values largest first; the captions of a document read from it are
// ascending.
TEST(StartupTexts, LoadValuesAreSortedBeforeTheirCaptionsAreWritten) {
    using testing::lines;
    const auto result =
        testing::readListingText(testing::structureHead() +
                                 lines({"   20. FLOOR LOAD", "   21. YRANGE 2.9 3.1 FLOAD -4.5 GY",
                                        "   22. YRANGE 2.9 3.1 FLOAD -2 GY", "   45. MEMBER LOAD",
                                        "   46. 1 UNI GY -12.5", "   47. 2 UNI GY -10"}));
    EXPECT_EQ(intensityCaptions(result.document, '.'), (std::vector<std::string>{"2", "4.5"}));
    EXPECT_EQ(intensityCaptions(result.document, ','), (std::vector<std::string>{"2", "4,5"}));
    EXPECT_EQ(memberLoadCaption(result.document, '.'), "Member Loads   10   12.5");
    EXPECT_EQ(memberLoadCaption(result.document, ','), "Member Loads   10   12,5");
    EXPECT_EQ(memberLoadCaption(documentWithLevels({0}), '.'), "Member Loads");
}

}  // namespace
}  // namespace fp
