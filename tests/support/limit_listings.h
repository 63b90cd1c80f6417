// Test helper: for every limit of the program, a listing at the limit and one a step past it,
// with what the failure past it says and, for the limits of one level, which level fails.
#pragma once

#include <gtest/gtest.h>
#include <cctype>
#include <string>
#include <vector>

#include "support/listing_text.h"

namespace fp::testing {

struct LimitCase {
    std::string limit;
    std::string atLimit;
    std::string pastLimit;
    // A part of the message past the limit.
    std::string message;
    // The level that cannot be drawn past the limit; 0 when the listing cannot be read at all.
    int level = 0;
};

namespace limits {

// A grid of joints `linesX` by `linesZ` (4 m apart) on the levels at 0 and 3 m, numbered
// 1000 * level + 30 * ix + iz (ix and iz from 0).
inline long jointAt(int level, int ix, int iz) {
    return 1000L * level + 30L * ix + iz;
}

inline ListingText twoLevelGrid(int linesX, int linesZ) {
    ListingText listing;
    for (int level = 0; level <= 1; ++level) {
        for (int ix = 0; ix < linesX; ++ix) {
            for (int iz = 0; iz < linesZ; ++iz) {
                listing.joint(jointAt(level, ix, iz), 4.0 * ix, 3.0 * level, 4.0 * iz);
            }
        }
    }
    return listing;
}

// A bay closed by undesigned members between every neighbouring pair of joints of level 2, so
// every bay is a panel and no beam is drawn.
inline ListingText panels(int baysX, int baysZ) {
    ListingText listing = twoLevelGrid(baysX + 1, baysZ + 1);
    long member = 0;
    for (int ix = 0; ix <= baysX; ++ix) {
        for (int iz = 0; iz <= baysZ; ++iz) {
            if (ix < baysX) {
                listing.member(++member, jointAt(1, ix, iz), jointAt(1, ix + 1, iz));
            }
            if (iz < baysZ) {
                listing.member(++member, jointAt(1, ix, iz), jointAt(1, ix, iz + 1));
            }
        }
    }
    return listing;
}

// `count` designed beams on level 2 of a 16 by 11 grid: from each joint a +X beam, then a +Z one.
inline ListingText beams(int count) {
    ListingText listing = twoLevelGrid(16, 11);
    long member = 0;
    for (int ix = 0; ix < 16 && member < count; ++ix) {
        for (int iz = 0; iz < 11 && member < count; ++iz) {
            if (ix < 15) {
                listing.member(++member, jointAt(1, ix, iz), jointAt(1, ix + 1, iz));
                listing.designBlock(member, 5000);
            }
            if (iz < 10 && member < count) {
                listing.member(++member, jointAt(1, ix, iz), jointAt(1, ix, iz + 1));
                listing.designBlock(member, 4000);
            }
        }
    }
    return listing;
}

inline ListingText loadsOnOneBay(int count) {
    ListingText listing = panels(1, 1);
    for (int i = 0; i < count; ++i) {
        listing.floorLoad(2.9, 3.1, 1.5);
    }
    return listing;
}

inline ListingText joints(int count) {
    ListingText listing;
    for (int i = 0; i < count; ++i) {
        listing.joint(i + 1, i % 30, (i / 900) * 3.0, (i / 30) % 30);
    }
    return listing;
}

inline ListingText members(int count) {
    ListingText listing;
    listing.joint(1, 0, 0, 0).joint(2, 5, 0, 0);
    for (int i = 0; i < count; ++i) {
        listing.member(i + 1, 1, 2);
    }
    return listing;
}

inline ListingText designBlocks(int count) {
    ListingText listing = members(1);
    for (int i = 0; i < count; ++i) {
        listing.designBlock(i + 1, 5000);
    }
    return listing;
}

inline ListingText floorLoads(int count, int distinct) {
    ListingText listing = members(1);
    for (int i = 0; i < count; ++i) {
        listing.floorLoad(-1, 1, 1 + i % distinct);
    }
    return listing;
}

inline ListingText memberLoadValues(int distinct) {
    ListingText listing = members(1);
    for (int i = 0; i < distinct; ++i) {
        listing.memberLoad("1", 1 + i);
    }
    return listing;
}

inline ListingText distinctX(int count) {
    ListingText listing;
    for (int i = 0; i < count; ++i) {
        listing.joint(i + 1, i, 0, 0);
    }
    return listing;
}

inline ListingText levels(int count) {
    ListingText listing;
    for (int i = 0; i < count; ++i) {
        listing.joint(i + 1, 0, i, 0);
    }
    return listing;
}

inline ListingText coordinate(double x) {
    ListingText listing;
    listing.joint(1, x, 0, -327.68);
    return listing;
}

}  // namespace limits

inline std::vector<LimitCase> limitCases() {
    using namespace limits;
    return {
        {"joints", joints(9000).text(), joints(9001).text(), "more than 9000 joints"},
        {"members", members(9000).text(), members(9001).text(), "more than 9000 members"},
        {"design blocks", designBlocks(2500).text(), designBlocks(2501).text(),
         "more than 2500 beam design blocks"},
        {"floor loads", floorLoads(1000, 1).text(), floorLoads(1001, 1).text(),
         "more than 1000 floor loads"},
        {"X coordinates", distinctX(100).text(), distinctX(101).text(),
         "more than 100 distinct X coordinates"},
        {"levels", levels(100).text(), levels(101).text(), "more than 100 distinct Y coordinates"},
        {"intensities", floorLoads(20, 20).text(), floorLoads(21, 21).text(),
         "more than 20 distinct floor-load intensities"},
        {"member-load values", memberLoadValues(20).text(), memberLoadValues(21).text(),
         "more than 20 distinct member-load values"},
        {"coordinates", coordinate(327.67).text(), coordinate(327.68).text(),
         "outside the range the program can hold"},
        {"beams on a level", beams(300).text(), beams(301).text(), "more than 300 beams", 2},
        {"panels on a level", panels(50, 4).text(), panels(67, 3).text(),
         "more than 200 slab panels", 2},
        {"loads on a panel", loadsOnOneBay(10).text(), loadsOnOneBay(11).text(),
         "more than 10 floor loads acting on it", 2},
    };
}

// The name of a limit's test: its words, with what is not a letter or digit as '_'.
inline std::string limitCaseName(const ::testing::TestParamInfo<LimitCase>& info) {
    std::string name;
    for (const char c : info.param.limit) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

}  // namespace fp::testing
