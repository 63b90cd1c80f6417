// A short account of a listing for people.
#include "cli/document_summary.h"

#include <iomanip>
#include <string>
#include <utility>
#include <vector>

#include "cli/level_totals_text.h"
#include "model/number_text.h"

namespace fp {
namespace {

// The beams of the plans that have a design row, past a drawing limit or not.
int designedPlanBeams(const ListingDocument& document) {
    int beams = 0;
    for (int level = 1; level <= document.levelCount(); ++level) {
        for (const FramedMember& framed : document.level(level).framed) {
            beams += framed.designRow != 0 ? 1 : 0;
        }
    }
    return beams;
}

// "none", or the values divided by `scale`, separated by commas.
template <typename Values>
std::string valuesText(const Values& values, float scale) {
    if (values.size() == 0) {
        return "none";
    }
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += (i > 0 ? ", " : "") + valueText(values[i] / scale);
    }
    return text;
}

// The number of floor loads of each load case, in order of first appearance.
std::string loadsPerCase(const ListingDocument& document) {
    std::vector<std::pair<CaseNumber, int>> cases;
    for (const FloorLoad& load : document.floorLoads) {
        auto known = cases.begin();
        while (known != cases.end() && known->first != load.caseNumber) {
            ++known;
        }
        if (known == cases.end()) {
            cases.emplace_back(load.caseNumber, 1);
        } else {
            ++known->second;
        }
    }
    std::string text = std::to_string(document.floorLoads.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        text += (i == 0 ? " (" : ", ") +
                (cases[i].first.empty() ? std::string("no load case") : "case " + cases[i].first) +
                ": " + std::to_string(cases[i].second);
    }
    return text + (cases.empty() ? "" : ")");
}

}  // namespace

void writeDocumentSummary(std::ostream& out, const ListingDocument& document,
                          std::size_t messageCount, std::chrono::steady_clock::duration readTime) {
    const double milliseconds = std::chrono::duration<double, std::milli>(readTime).count();
    const auto line = [&out](const char* label) -> std::ostream& {
        return out << std::left << std::setw(14) << label;
    };
    const int levels = document.levelCount();
    line("Listing") << document.name << "\n";
    line("Read in") << std::fixed << std::setprecision(1) << milliseconds
                    << " ms (one reading: structure, loads, designs and echo)\n";
    line("Joints") << document.joints.size() << "\n";
    line("Members") << document.members.size() << "\n";
    line("Design rows") << document.designRows.size() << " beam blocks; "
                        << designedPlanBeams(document) << " plan beams have one\n";
    line("Levels") << levels
                   << (levels > 0 ? " at " + valuesText(document.grid.y.values(), 100) + " m" : "")
                   << "\n";
    line("Floor loads") << loadsPerCase(document) << "\n";
    line("Intensities") << valuesText(document.floorIntensities, 1) << "\n";
    line("Member loads") << valuesText(document.memberLoadValues, 1) << "\n";
    line("Messages") << messageCount << "\n";
    writeLevelTotals(out, document);
}

}  // namespace fp
