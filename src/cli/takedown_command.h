// "frameplan takedown LISTING": the loads of every level followed down the columns to the bases.
#pragma once

#include <ostream>
#include <string>

#include "takedown/tributary_areas.h"

namespace CLI {
class App;
}

namespace fp {

struct TakedownArguments {
    std::string listing;
    bool json = false;
    std::string levelHeight;
    std::string caseNumber;
    std::string combinationNumber;
    double oneWayRatio = kDefaultOneWayRatio;
};

// Declares the takedown command on `app`, to be filled into `arguments`.
CLI::App* addTakedownCommand(CLI::App& app, TakedownArguments& arguments);

// Reads the listing and writes its takedown as text or JSON. Returns 0 when every load reaches a
// base, 1 when a load finds no column or a level is left out past a drawing limit, 2 when the
// listing cannot be read or an argument is wrong.
int runTakedown(const TakedownArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace fp
