// Pick boxes of the beams on the last plan drawn: which beam lies under a point.
#pragma once

#include <array>
#include <cstdint>

namespace fp {

// One beam's pick box, in plan units. A box with X1 > X2 or Z1 > Z2 contains no point.
struct BeamBox {
    float X1 = 0;  // left edge
    float Z1 = 0;  // top edge
    float X2 = 0;  // right edge
    float Z2 = 0;  // bottom edge
};

// Box k belongs to the beam with serial number k; box 0 is never filled. Boxes above the count
// keep what an earlier drawing left in them and are never consulted.
struct BeamBoxes {
    static constexpr int kMaxBoxes = 300;
    std::array<BeamBox, kMaxBoxes + 1> Box{};
    int16_t BeamBoxCount = 0;
};

// True when (x, y) lies in box `index`, edges included. An index outside 0..300 ends the run.
bool IsOver(const BeamBoxes& boxes, int index, float x, float y);

// The serial number of the first beam, in serial order, whose box holds (x, y); 0 when none.
int firstBeamAt(const BeamBoxes& boxes, float x, float y);

}  // namespace fp
