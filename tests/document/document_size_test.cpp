// A document's memory is bounded by its limits, whatever the listing: the grid maps of a grid
// with 100 lines on every axis and full lists stay within 16 MB.
#include "document/listing_document.h"

#include <gtest/gtest.h>

#include "support/document_builder.h"

namespace fp {
namespace {

template <typename List>
std::size_t fullListBytes(const List& list) {
    return List::limit() * sizeof(*list.begin());
}

TEST(DocumentSize, AGridOfAHundredLinesOnEveryAxisStaysWithinSixteenMegabytes) {
    // 100 joints on a diagonal give 100 lines on each axis.
    testing::DocumentBuilder builder;
    for (int16_t i = 0; i < 100; ++i) {
        const auto at = static_cast<int16_t>(100 * i);
        builder.joint(static_cast<int16_t>(i + 1), at, at, at);
    }
    const ListingDocument document = builder.build();
    ASSERT_EQ(document.grid.x.count(), 100);
    ASSERT_EQ(document.grid.y.count(), 100);
    ASSERT_EQ(document.grid.z.count(), 100);

    const std::size_t maps = document.grid.joints.bytes();
    EXPECT_GE(maps, 100u * 100 * 100 * sizeof(int16_t)) << "every grid point is held";
    // The lists when full, each record with its own size.
    const std::size_t lists =
        fullListBytes(document.joints) + fullListBytes(document.members) +
        fullListBytes(document.designRows) + fullListBytes(document.floorLoads) +
        fullListBytes(document.floorIntensities) + fullListBytes(document.memberLoadValues);
    EXPECT_LE(maps + lists, 16u * 1024 * 1024);
}

TEST(DocumentSize, ANewDocumentHoldsNothing) {
    const ListingDocument document;
    EXPECT_TRUE(document.joints.empty());
    EXPECT_TRUE(document.members.empty());
    EXPECT_TRUE(document.designRows.empty());
    EXPECT_TRUE(document.floorLoads.empty());
    EXPECT_TRUE(document.floorIntensities.empty());
    EXPECT_EQ(document.levelCount(), 0);
    EXPECT_EQ(document.grid.joints.bytes(), 0u);
}

}  // namespace
}  // namespace fp
