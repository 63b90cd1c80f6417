// Building the Properties dock's tables from the facts of beams and panels.
#include "inspect/selection_table.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "panels/level_totals.h"
#include "structure/grid_names.h"
#include "structure/place_text.h"

namespace fp {
namespace {

const std::vector<std::string> kPropertyHeaders{"Property", "Value", "Load case", "Listing line"};

class Writer {
  public:
    Writer(const ListingDocument& document, char separator)
        : document_(document), separator_(separator) {}

    std::string value(double number) const {
        return valueText(static_cast<float>(number), separator_);
    }
    // Hundredths of a metre in metres.
    std::string metres(float hundredths) const {
        return valueText(static_cast<float>(std::round(hundredths) / 100), separator_);
    }
    std::string caseName(const std::string& number) const {
        return loadCaseName(document_, number);
    }
    std::string jointText(const std::optional<Joint>& joint, int32_t number) const {
        if (!joint) {
            return std::to_string(number) + " (not in the listing)";
        }
        return std::to_string(joint->number) + ": X " + metres(joint->x) + ", Y " +
               metres(joint->y) + ", Z " + metres(joint->z) + " m";
    }

    static FactsCell lineCell(long line) {
        return line > 0 ? FactsCell{std::to_string(line), line, true} : FactsCell{};
    }

  private:
    const ListingDocument& document_;
    char separator_;
};

void addRow(FactsTable& table, const std::string& property, const std::string& value,
            const std::string& loadCase = {}, long line = 0) {
    table.rows.push_back({{property}, {value}, {loadCase}, Writer::lineCell(line)});
}

}  // namespace

FactsTable beamTable(const ListingDocument& document, const BeamFacts& facts,
                     char decimalSeparator) {
    const Writer write(document, decimalSeparator);
    const LevelBeam& beam = facts.beam;
    FactsTable table{kPropertyHeaders, {}};
    addRow(table, "Serial", std::to_string(facts.serial));
    addRow(table, "Member", std::to_string(beam.member));
    addRow(table, "Start joint", write.jointText(facts.start, facts.startJoint));
    addRow(table, "End joint", write.jointText(facts.end, facts.endJoint));
    addRow(table, "Direction", beam.direction == BeamDirection::PlusX ? "+X" : "+Z");
    addRow(table, "Length as designed", write.value(beam.lengthMm / 1000.0) + " m", {},
           facts.designLine);
    if (facts.loads.empty()) {
        addRow(table, "Member load", "none");
    }
    for (const MemberLoad& load : facts.loads) {
        addRow(table, "Member load", write.value(load.value) + " kN/m",
               write.caseName(load.caseNumber), load.line);
    }
    for (const CaseSum& sum : facts.sums) {
        addRow(table, "Sum of member loads", write.value(sum.sum) + " kN/m",
               write.caseName(sum.caseNumber));
    }
    return table;
}

FactsTable panelTable(const ListingDocument& document, const PanelFacts& facts,
                      char decimalSeparator) {
    const Writer write(document, decimalSeparator);
    const PanelBounds& bounds = facts.panel.bounds;
    FactsTable table{kPropertyHeaders, {}};
    addRow(table, "Bounds", boundsText(bounds, decimalSeparator));
    addRow(table, "Grid lines", gridBayText(document.grid, bounds));
    addRow(table, "Spans",
           write.metres(bounds.spanX()) + " × " + write.metres(bounds.spanZ()) + " m");
    addRow(table, "Area", write.value(facts.area) + " m²");
    if (facts.loads.empty()) {
        addRow(table, "Floor load", "none");
    }
    for (const PanelLoadFacts& acting : facts.loads) {
        addRow(table, "Floor load",
               write.value(acting.load.intensity) + " kN/m², " + write.value(acting.kiloNewtons) +
                   " kN",
               write.caseName(acting.load.caseNumber), acting.load.line);
    }
    for (const CaseSum& total : facts.totals) {
        addRow(table, "Total floor load", write.value(total.sum) + " kN",
               write.caseName(total.caseNumber));
    }
    for (const Finding& finding : facts.findings) {
        addRow(table, finding.severity == Severity::Warning ? "Check warning" : "Check note",
               finding.sentence,
               finding.caseNumber.empty() ? std::string() : write.caseName(finding.caseNumber),
               finding.lines.empty() ? 0 : finding.lines.front());
    }
    return table;
}

FactsTable selectionSummary(const ListingDocument& document, const std::vector<BeamFacts>& beams,
                            const std::vector<PanelFacts>& panels, char decimalSeparator) {
    const Writer write(document, decimalSeparator);
    std::vector<CaseNumber> used;
    for (const BeamFacts& beam : beams) {
        for (const CaseSum& sum : beam.sums) {
            used.push_back(sum.caseNumber);
        }
    }
    for (const PanelFacts& panel : panels) {
        for (const CaseSum& total : panel.totals) {
            used.push_back(total.caseNumber);
        }
    }
    const std::vector<CaseNumber> cases = inHeaderOrder(document, used);
    FactsTable table{{"Selected", "Member", "Length (m)", "Area (m²)"}, {}};
    for (const std::string& number : cases) {
        table.headers.push_back(write.caseName(number) + " (kN)");
    }
    double totalLength = 0;
    double totalArea = 0;
    std::vector<double> totalLoads(cases.size(), 0.0);
    // The row's loads per case, added to the totals; an empty cell where none acts.
    const auto addLoads = [&](std::vector<FactsCell>& row, const std::vector<CaseSum>& sums,
                              double times) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const auto sum = std::find_if(sums.begin(), sums.end(), [&](const CaseSum& s) {
                return s.caseNumber == cases[i];
            });
            if (sum == sums.end()) {
                row.push_back({});
                continue;
            }
            totalLoads[i] += sum->sum * times;
            row.push_back({write.value(sum->sum * times), 0, true});
        }
    };
    for (const BeamFacts& beam : beams) {
        const double length = beam.beam.lengthMm / 1000.0;
        totalLength += length;
        std::vector<FactsCell> row{{"Beam " + std::to_string(beam.serial)},
                                   {std::to_string(beam.beam.member), 0, true},
                                   {write.value(length), 0, true},
                                   {}};
        addLoads(row, beam.sums, length);
        table.rows.push_back(std::move(row));
    }
    for (const PanelFacts& panel : panels) {
        totalArea += panel.area;
        std::vector<FactsCell> row{{"Panel " + boundsText(panel.panel.bounds, decimalSeparator)},
                                   {},
                                   {},
                                   {write.value(panel.area), 0, true}};
        addLoads(row, panel.totals, 1);
        table.rows.push_back(std::move(row));
    }
    std::vector<FactsCell> totals{
        {"Total"}, {}, {write.value(totalLength), 0, true}, {write.value(totalArea), 0, true}};
    for (const double load : totalLoads) {
        totals.push_back({write.value(load), 0, true});
    }
    table.rows.push_back(std::move(totals));
    return table;
}

}  // namespace fp
