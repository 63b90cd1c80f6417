// Walks a level's grid points column by column and collects the beams that start there.
#include "plan/level_beams.h"

#include <string>

#include "model/listing_error.h"
#include "model/number_text.h"
#include "plan/pick_boxes.h"

namespace fp {
namespace {

ListingError tooManyBeams(const ListingDocument& document, int level) {
    const std::string limit = std::to_string(kMaxBeamsOnALevel);
    return ListingError("Level " + std::to_string(level) + " (at " +
                            valueText(static_cast<float>(metres(document.levelHeight(level)))) +
                            " m) has more than " + limit + " beams to draw",
                        "The plan shows at most " + limit + " beams on one level.");
}

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
            for (const BeamDirection direction : {BeamDirection::PlusX, BeamDirection::PlusZ}) {
                const DesignRowNumber row = direction == BeamDirection::PlusX
                                                ? framing.xBeams.at(ix, level, iz)
                                                : framing.zBeams.at(ix, level, iz);
                if (row <= 0) {
                    continue;
                }
                if (beams.size() >= kMaxBeamsOnALevel) {
                    throw tooManyBeams(document, level);
                }
                beams.push_back(beamFrom(document, direction, row, x, z));
            }
        }
    }
    return beams;
}

}  // namespace fp
