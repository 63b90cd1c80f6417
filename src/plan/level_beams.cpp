// Walks a level's grid points column by column and collects the beams that start there.
#include "plan/level_beams.h"

namespace fp {
namespace {

LevelBeam beamFrom(const ListingDocument& document, BeamDirection direction,
                   DesignRowNumber designRow, float x, float z) {
    const DesignRow& row = document.designRow(designRow);
    return LevelBeam{direction, designRow, row.member, row.lengthMm, x, z};
}

}  // namespace

std::vector<LevelBeam> beamsOfLevel(const ListingDocument& document, int level) {
    std::vector<LevelBeam> beams;
    const Grid& grid = document.grid;
    const Framing& framing = document.framing;
    for (int ix = 1; ix <= grid.x.count(); ++ix) {
        for (int iz = 1; iz <= grid.z.count(); ++iz) {
            if (grid.joints.at(ix, level, iz) <= 0) {
                continue;
            }
            const float x = grid.x.at(ix);
            const float z = grid.z.at(iz);
            const DesignRowNumber xBeam = framing.xBeams.at(ix, level, iz);
            if (xBeam > 0) {
                beams.push_back(beamFrom(document, BeamDirection::PlusX, xBeam, x, z));
            }
            const DesignRowNumber zBeam = framing.zBeams.at(ix, level, iz);
            if (zBeam > 0) {
                beams.push_back(beamFrom(document, BeamDirection::PlusZ, zBeam, x, z));
            }
        }
    }
    return beams;
}

}  // namespace fp
