// Test helper: small frames written as listings, joint by joint and member by member, for loads
// worked out by hand; and the takedown of such a listing as the program reads it.
#pragma once

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>

#include "document/listing_document.h"
#include "support/listing_text.h"
#include "takedown/takedown.h"

namespace fp::testing {

class FrameListing {
  public:
    // The joint at a point (metres), numbered in the order the points are first named.
    long joint(double x, double y, double z) {
        const auto key = std::make_tuple(x, y, z);
        const auto known = joints_.find(key);
        if (known != joints_.end()) {
            return known->second;
        }
        const long number = static_cast<long>(joints_.size()) + 1;
        joints_[key] = number;
        text.joint(number, x, y, z);
        return number;
    }
    // A beam with its design block at height y from (x1, z1) to (x2, z2); its member number.
    long beam(double y, double x1, double z1, double x2, double z2) {
        const long member = ++beams_;
        text.member(member, joint(x1, y, z1), joint(x2, y, z2));
        text.designBlock(member, std::lround(std::hypot(x2 - x1, z2 - z1) * 1000));
        return member;
    }
    // A column at (x, z) from height y1 up to y2; its member number, from 1001 up.
    long column(double x, double z, double y1, double y2) {
        const long member = 1000 + ++columns_;
        text.member(member, joint(x, y1, z), joint(x, y2, z));
        return member;
    }
    // The four beams round a bay at height y, and a column from y0 under each corner when
    // `columns` is set; the beams' members in the order low Z, high Z, low X, high X.
    std::tuple<long, long, long, long> bay(double y, double x1, double z1, double x2, double z2,
                                           bool columns = true, double y0 = 0) {
        const long lowZ = beam(y, x1, z1, x2, z1);
        const long highZ = beam(y, x1, z2, x2, z2);
        const long lowX = beam(y, x1, z1, x1, z2);
        const long highX = beam(y, x2, z1, x2, z2);
        if (columns) {
            for (const double x : {x1, x2}) {
                for (const double z : {z1, z2}) {
                    column(x, z, y0, y);
                }
            }
        }
        return {lowZ, highZ, lowX, highX};
    }

    ListingText text;

  private:
    std::map<std::tuple<double, double, double>, long> joints_;
    long beams_ = 0;
    long columns_ = 0;
};

struct QuietMessages : MessageSink {
    void show(const ListingMessage&) override {}
};

// The listing read as the program reads it.
inline ListingDocument readFrame(const ListingText& text) {
    QuietMessages messages;
    const std::string path = writeTestListing(text.text());
    ListingDocument document = openListing(path, messages);
    std::remove(path.c_str());
    return document;
}

// The load in the column below the level at (x, z) metres for the case, kN; NaN when none.
inline double columnLoad(const ListingDocument& document, const Takedown& takedown, double height,
                         double x, double z, std::size_t caseIndex = 0) {
    const int level = document.levelAtMetres(static_cast<float>(height));
    const ColumnTakedown* column = takedown.columnBelow(
        level,
        {static_cast<float>(std::lround(x * 100)), static_cast<float>(std::lround(z * 100))});
    return column != nullptr ? column->below.at(caseIndex) : std::nan("");
}

}  // namespace fp::testing
