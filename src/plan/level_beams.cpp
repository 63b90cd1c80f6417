// Walks a level's grid points column by column and collects the beams that start there.
#include "plan/level_beams.h"

namespace fp {

namespace {

LevelBeam beamFrom(const ModelStore& model, BeamDirection direction, int16_t designRow, float x,
                   float z) {
    LevelBeam beam;
    beam.direction = direction;
    beam.designRow = designRow;
    beam.member = model.BeamDesignTable.at(designRow, 1);
    beam.lengthMm = model.BeamDesignTable.at(designRow, 2);
    beam.x = x;
    beam.z = z;
    return beam;
}

}  // namespace

std::vector<LevelBeam> beamsOfLevel(const ModelStore& model, int16_t level) {
    std::vector<LevelBeam> beams;
    const int columns = model.GridX.count();
    const int rows = model.GridZ.count();
    for (int ix = 1; ix <= columns; ++ix) {
        for (int iz = 1; iz <= rows; ++iz) {
            if (model.NodeGrid.at(ix, level, iz) <= 0) {
                continue;
            }
            const float x = model.GridX[ix];
            const float z = model.GridZ[iz];
            const int16_t xBeam = model.XBeamGrid.at(ix, level, iz);
            if (xBeam > 0) {
                beams.push_back(beamFrom(model, BeamDirection::PlusX, xBeam, x, z));
            }
            const int16_t zBeam = model.ZBeamGrid.at(ix, level, iz);
            if (zBeam > 0) {
                beams.push_back(beamFrom(model, BeamDirection::PlusZ, zBeam, x, z));
            }
        }
    }
    return beams;
}

}  // namespace fp
