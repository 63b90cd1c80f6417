// Level totals for people.
#include "cli/level_totals_text.h"

#include <iomanip>
#include <sstream>
#include <string>

#include "document/startup_texts.h"
#include "model/listing_error.h"
#include "panels/level_totals.h"
#include "structure/place_text.h"

namespace fp {
namespace {

std::string panelsText(int count) {
    return std::to_string(count) + (count == 1 ? " panel" : " panels");
}

void writeLevel(std::ostream& out, const ListingDocument& document, const LevelTotals& totals) {
    out << "  " << std::left << std::setw(10) << levelHeightText(document.levelHeight(totals.level))
        << panelsText(totals.panels) << ", " << totals.panelsWithoutLoad << " without floor load\n";
    for (const CaseTotal& total : totals.cases) {
        std::ostringstream load;
        load << std::fixed << std::setprecision(1) << total.load << " kN";
        out << "  " << std::setw(10) << "" << std::left << std::setw(28)
            << loadCaseName(document, total.caseNumber) << std::right << std::setw(12) << load.str()
            << " on " << panelsText(total.panelsLoaded) << "\n";
    }
    if (!totals.loadsLeftOut.empty()) {
        std::string lines;
        for (const long line : totals.loadsLeftOut) {
            lines += (lines.empty() ? "" : ", ") + std::to_string(line);
        }
        out << "  " << std::setw(10) << ""
            << "Leaves out the floor loads the plans do not show, line"
            << (totals.loadsLeftOut.size() == 1 ? " " : "s ") << lines
            << " (frameplan check tells why)\n";
    }
}

}  // namespace

void writeLevelTotals(std::ostream& out, const ListingDocument& document) {
    out << "Level totals  floor load on each level's panels (area x intensity)\n";
    for (int level = 2; level <= document.levelCount(); ++level) {
        try {
            writeLevel(out, document, levelTotals(document, level));
        } catch (const ListingError& failure) {
            out << "  " << levelHeightText(document.levelHeight(level)) << "  "
                << failure.inListing(document.name).what() << "\n";
        }
    }
}

}  // namespace fp
