// Test helper: a listing document built from typed records, as reading a listing would leave it
// (the grid from the joints, the structure ready to be asked), without a listing file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "document/listing_document.h"

namespace fp::testing {

class DocumentBuilder {
  public:
    // Coordinates in hundredths of a metre.
    DocumentBuilder& joint(int16_t number, int16_t x, int16_t y, int16_t z) {
        document_.joints.add(Joint{number, x, y, z});
        return *this;
    }

    // Joints that give the grid exactly these lines: joint i sits at the i-th value of each list
    // (the last value where a list is shorter); they are numbered from 30001 up.
    DocumentBuilder& gridLines(std::initializer_list<int16_t> xs, std::initializer_list<int16_t> ys,
                               std::initializer_list<int16_t> zs) {
        const std::vector<int16_t> x(xs), y(ys), z(zs);
        const std::size_t count = std::max({x.size(), y.size(), z.size()});
        for (std::size_t i = 0; i < count; ++i) {
            joint(static_cast<int16_t>(30001 + i), x[std::min(i, x.size() - 1)],
                  y[std::min(i, y.size() - 1)], z[std::min(i, z.size() - 1)]);
        }
        return *this;
    }

    // Stored as given: start and end are not exchanged.
    DocumentBuilder& member(int32_t number, int32_t start, int32_t end) {
        document_.members.add(Member{number, start, end});
        return *this;
    }

    // Returns the number of the new design row.
    DesignRowNumber designRow(int32_t member, int32_t lengthMm, long line = 0) {
        document_.designRows.add(DesignRow{member, lengthMm, line});
        return static_cast<DesignRowNumber>(document_.designRows.size());
    }

    // Ranges in metres; the intensity joins the distinct intensities.
    DocumentBuilder& floorLoad(const char* caseNumber, float intensity, float y1, float y2,
                               float x1, float x2, float z1, float z2, long line = 0) {
        document_.floorLoads.add(FloorLoad{caseNumber, intensity, y1, y2, x1, x2, z1, z2, line});
        document_.floorIntensities.addIfAbsent(intensity);
        return *this;
    }

    DocumentBuilder& loadCase(const char* number, const std::string& title) {
        document_.loadCases.add(LoadCase{number, "DEAD", title, "LOADTYPE DEAD TITLE " + title});
        return *this;
    }

    // A load on one member; the value joins the distinct member loads.
    DocumentBuilder& memberLoadOn(int32_t member, float value, const char* caseNumber,
                                  long line = 0) {
        document_.memberLoadsByMember.add(MemberLoad{member, value, caseNumber, line});
        return memberLoad(value);
    }

    DocumentBuilder& memberLoad(float value) {
        document_.memberLoadValues.addIfAbsent(value);
        return *this;
    }

    ListingDocument build() const {
        ListingDocument document;
        document.joints = document_.joints;
        document.members = document_.members;
        document.designRows = document_.designRows;
        document.loadCases = document_.loadCases;
        document.floorLoads = document_.floorLoads;
        document.floorIntensities = document_.floorIntensities;
        document.memberLoadValues = document_.memberLoadValues;
        document.memberLoadsByMember = document_.memberLoadsByMember;
        document.floorIntensities.sortAscending();
        document.memberLoadValues.sortAscending();
        std::stable_sort(
            document.memberLoadsByMember.begin(), document.memberLoadsByMember.end(),
            [](const MemberLoad& a, const MemberLoad& b) { return a.member < b.member; });
        document.grid = buildGrid(document.joints);
        document.deriveStructure();
        return document;
    }

  private:
    ListingDocument document_;
};

// A two-level frame on a regular grid: joints at every grid point of level 1 (y = 0) and level 2
// (y = 3 m), X lines every 5 m and Z lines every 4 m unless said otherwise. The beams a test asks
// for are members between joints of a level; grid lines count from 1, as in the program.
class LevelFrame {
  public:
    LevelFrame(int nX, int nZ, int16_t spacingX = 500, int16_t spacingZ = 400) : nX_(nX), nZ_(nZ) {
        for (int level = 1; level <= 2; ++level) {
            for (int ix = 1; ix <= nX; ++ix) {
                for (int iz = 1; iz <= nZ; ++iz) {
                    builder.joint(joint(level, ix, iz), static_cast<int16_t>(spacingX * (ix - 1)),
                                  static_cast<int16_t>(300 * (level - 1)),
                                  static_cast<int16_t>(spacingZ * (iz - 1)));
                }
            }
        }
    }

    static int16_t joint(int level, int ix, int iz) {
        return static_cast<int16_t>(10000 * level + 100 * ix + iz);
    }

    void beamX(int ix, int iz, int ix2, int level = 2) {
        builder.member(++members_, joint(level, ix, iz), joint(level, ix2, iz));
    }
    void beamZ(int ix, int iz, int iz2, int level = 2) {
        builder.member(++members_, joint(level, ix, iz), joint(level, ix, iz2));
    }

    // A beam between every two neighbouring joints of the level.
    void allNeighbourBeams(int level = 2) {
        for (int ix = 1; ix <= nX_; ++ix) {
            for (int iz = 1; iz <= nZ_; ++iz) {
                if (ix < nX_) {
                    beamX(ix, iz, ix + 1, level);
                }
                if (iz < nZ_) {
                    beamZ(ix, iz, iz + 1, level);
                }
            }
        }
    }

    DocumentBuilder builder;

  private:
    int nX_;
    int nZ_;
    int32_t members_ = 0;
};

constexpr int kBayLevel = 2;

// One 5 m by 4 m bay on level 2 (at 3 m), closed by four designed beams of the given member
// numbers and lengths: design rows 1..4 are the beams along Z = 0, X = 0, X = 5 m and Z = 4 m.
inline DocumentBuilder oneClosedBay(const int32_t (&members)[4], const int32_t (&lengths)[4]) {
    DocumentBuilder builder;
    for (int level = 1; level <= 2; ++level) {
        for (int ix = 1; ix <= 2; ++ix) {
            for (int iz = 1; iz <= 2; ++iz) {
                builder.joint(static_cast<int16_t>(level * 100 + ix * 10 + iz),
                              static_cast<int16_t>(500 * (ix - 1)),
                              static_cast<int16_t>(300 * (level - 1)),
                              static_cast<int16_t>(400 * (iz - 1)));
            }
        }
    }
    const auto at = [](int ix, int iz) { return 200 + ix * 10 + iz; };
    builder.member(members[0], at(1, 1), at(2, 1));
    builder.member(members[1], at(1, 1), at(1, 2));
    builder.member(members[2], at(2, 1), at(2, 2));
    builder.member(members[3], at(1, 2), at(2, 2));
    for (int row = 0; row < 4; ++row) {
        builder.designRow(members[row], lengths[row]);
    }
    return builder;
}

}  // namespace fp::testing
