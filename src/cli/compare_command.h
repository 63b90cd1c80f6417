// "frameplan compare OLD NEW": what changed between two listings of one building.
#pragma once

#include <functional>
#include <ostream>

#include "output/compare_request.h"

namespace CLI {
class App;
}

namespace fp {

struct CompareArguments {
    CompareRequest request;
    bool json = false;
};

// Declares the compare command on `app`, to be filled into `arguments`.
CLI::App* addCompareCommand(CLI::App& app, CompareArguments& arguments);

// Reads both listings and writes their changes: as text grouped by level, or as JSON; a PDF goes
// to `writePdf`, which draws with Qt. Returns 0 when nothing differs, 1 when something does, 2
// when a listing cannot be read or an argument is wrong.
int runCompare(const CompareArguments& arguments, std::ostream& out, std::ostream& err,
               const std::function<int(const CompareRequest&)>& writePdf);

}  // namespace fp
