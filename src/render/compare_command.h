// "frameplan compare OLD NEW --pdf OUT.pdf": the comparison drawn, which needs Qt.
#pragma once

#include <ostream>

#include "output/compare_request.h"

namespace fp {

// Reads both listings, compares them and writes the PDF of the changes; names it on `out`.
// Returns 0 when nothing differs, 1 when something does, 2 when a listing cannot be read or
// the PDF cannot be written.
int runComparePdf(const CompareRequest& request, std::ostream& out, std::ostream& err);

}  // namespace fp
