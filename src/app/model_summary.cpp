// A short account of a model for people.
#include "app/model_summary.h"

#include <iomanip>
#include <utility>
#include <vector>

#include "model/number_text.h"

namespace fp {
namespace {

// The beams of the plans that have a design row: the entries of the beam grids.
int designedPlanBeams(const ModelStore& model) {
    int beams = 0;
    for (int iy = 2; iy <= model.GridY.count(); ++iy) {
        for (int ix = 1; ix <= model.GridX.count(); ++ix) {
            for (int iz = 1; iz <= model.GridZ.count(); ++iz) {
                beams += (model.XBeamGrid.at(ix, iy, iz) != 0 ? 1 : 0) +
                         (model.ZBeamGrid.at(ix, iy, iz) != 0 ? 1 : 0);
            }
        }
    }
    return beams;
}

template <int Capacity>
std::string valuesText(const ValueList<Capacity>& list, float scale) {
    if (list.count() == 0) {
        return "none";
    }
    std::string text;
    for (int i = 1; i <= list.count(); ++i) {
        text += (i > 1 ? ", " : "") + valueText(list[i] / scale);
    }
    return text;
}

// The number of floor-load rows of each load case, in order of first appearance.
std::string loadsPerCase(const ModelStore& model) {
    std::vector<std::pair<std::string, int>> cases;
    for (int row = 1; row <= model.FloorLoadCount; ++row) {
        const std::string& title = model.FloorLoadTable.at(row).CaseTitle;
        auto known = cases.begin();
        while (known != cases.end() && known->first != title) {
            ++known;
        }
        if (known == cases.end()) {
            cases.emplace_back(title, 1);
        } else {
            ++known->second;
        }
    }
    std::string text = std::to_string(model.FloorLoadCount);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        text += (i == 0 ? " (" : ", ") +
                (cases[i].first.empty() ? std::string("no load case") : "case " + cases[i].first) +
                ": " + std::to_string(cases[i].second);
    }
    return text + (cases.empty() ? "" : ")");
}

}  // namespace

void writeModelSummary(std::ostream& out, const ModelStore& model, const std::string& listing,
                       std::size_t messageCount, std::chrono::steady_clock::duration loadTime) {
    const double milliseconds = std::chrono::duration<double, std::milli>(loadTime).count();
    const auto line = [&out](const char* label) -> std::ostream& {
        return out << std::left << std::setw(14) << label;
    };
    line("Listing") << listing << "\n";
    line("Read in") << std::fixed << std::setprecision(1) << milliseconds
                    << " ms (four passes, grid and frames)\n";
    line("Joints") << model.JointCount << "\n";
    line("Members") << model.MemberCount << "\n";
    line("Design rows") << model.BeamDesignCount << " beam blocks; " << designedPlanBeams(model)
                        << " plan beams have one\n";
    line("Levels") << model.GridY.count() << (model.GridY.count() > 0 ? " at " : "")
                   << (model.GridY.count() > 0 ? valuesText(model.GridY, 100) + " m" : "") << "\n";
    line("Floor loads") << loadsPerCase(model) << "\n";
    line("Intensities") << valuesText(model.FloorIntensityList, 1) << "\n";
    line("Member loads") << valuesText(model.MemberLoadList, 1) << "\n";
    line("Messages") << messageCount << "\n";
}

}  // namespace fp
