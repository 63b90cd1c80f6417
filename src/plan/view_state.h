// What is on show: the load mode and the ticks of the check boxes, filled by the window from its
// controls and by the command line from its options. The drawing routines read only this.
#pragma once

#include <array>

namespace fp {

// Check box values as the window keeps them: 0 unticked, 1 ticked, 2 grey (counts as unticked).
constexpr int kUnticked = 0;
constexpr int kTicked = 1;
constexpr int kGrey = 2;

struct ViewState {
    bool memberLoadMode = false;  // "Member Load" selected rather than "Floor Load"
    int beamNumbers = kUnticked;  // "Beem Nos"
    int loadType = kTicked;       // "LOAD TYPE"
    // "Chk All" at 0, then one box per floor-load intensity, in the order of the sorted list.
    std::array<int, 21> intensityBoxes{kTicked, kTicked, kTicked, kTicked, kTicked, kTicked,
                                       kTicked, kTicked, kTicked, kTicked, kTicked, kTicked,
                                       kTicked, kTicked, kTicked, kTicked, kTicked, kTicked,
                                       kTicked, kTicked, kTicked};
};

}  // namespace fp
