// "frameplan compare OLD NEW": what changed between two listings of one building.
#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace fp {

struct CompareArguments {
    std::string oldListing;
    std::string newListing;
    bool json = false;
    std::string levelHeight;
};

// Declares the compare command on `app`, to be filled into `arguments`.
CLI::App* addCompareCommand(CLI::App& app, CompareArguments& arguments);

// Reads both listings and writes their changes: as text grouped by level, or as JSON. Returns 0
// when nothing differs, 1 when something does, 2 when a listing cannot be read or an argument
// is wrong.
int runCompare(const CompareArguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace fp
