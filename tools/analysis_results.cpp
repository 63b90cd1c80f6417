// The analysis output of a listing: summary, displacements, reactions and member forces.
#include "analysis_results.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "result_values.h"

namespace gen {
namespace {

// The cases results are printed for: the primary cases, then the combinations.
std::vector<int> resultCases(const Model& model) {
    std::vector<int> cases;
    for (const LoadCase& loadCase : model.cases) {
        cases.push_back(loadCase.number);
    }
    for (const Combination& combination : model.combinations) {
        cases.push_back(combination.number);
    }
    return cases;
}

// A joint's row of six results; the joint number only on the joint's first row.
std::string jointRow(const char* format, int joint, bool firstOfJoint, int loadCase,
                     std::uint64_t key, double scale) {
    double v[6];
    for (int i = 0; i < 6; ++i) {
        v[i] = resultValue(key, static_cast<std::uint64_t>(loadCase), static_cast<std::uint64_t>(i),
                           scale);
    }
    char text[160];
    std::snprintf(text, sizeof text, format, firstOfJoint ? std::to_string(joint).c_str() : "",
                  loadCase, v[0], v[1], v[2], v[3], v[4], v[5]);
    return text;
}

void writeSummary(ListingWriter& writer, const Model& model) {
    std::size_t supports = 0;
    for (const Joint& joint : model.joints) {
        supports += joint.y == 0 ? 1 : 0;
    }
    char text[120];
    writer.line();
    writer.line("  ** ANALYSIS SUMMARY");
    std::snprintf(text, sizeof text, "     NUMBER OF JOINTS     %7zu   NUMBER OF MEMBERS    %7zu",
                  model.joints.size(), model.members.size());
    writer.line(text);
    std::snprintf(text, sizeof text, "     NUMBER OF SUPPORTED JOINTS %5zu", supports);
    writer.line(text);
    std::snprintf(text, sizeof text,
                  "     TOTAL PRIMARY LOAD CASES = %5zu, TOTAL DEGREES OF FREEDOM = %7zu",
                  model.cases.size(), 6 * (model.joints.size() - supports));
    writer.line(text);
    writer.line();
}

void writeDisplacements(ListingWriter& writer, const Model& model, bool extract) {
    const double roof = model.joints.back().y;
    writer.line();
    writer.setTableHeading(
        {"   JOINT DISPLACEMENT (CM   RADIANS)    STRUCTURE TYPE = SPACE", "   ------------------",
         "", "  JOINT  LOAD   X-TRANS   Y-TRANS   Z-TRANS   X-ROTAN   Y-ROTAN   Z-ROTAN", ""});
    for (const Joint& joint : model.joints) {
        if (extract && joint.y != roof) {
            continue;
        }
        bool first = true;
        for (int loadCase : resultCases(model)) {
            writer.line(jointRow("%7s%6d%10.4f%10.4f%10.4f%10.4f%10.4f%10.4f", joint.number, first,
                                 loadCase, static_cast<std::uint64_t>(joint.number),
                                 joint.y == 0 ? 0 : 0.5));
            first = false;
        }
    }
    writer.setTableHeading({});
}

void writeReactions(ListingWriter& writer, const Model& model) {
    writer.line();
    writer.setTableHeading(
        {"   SUPPORT REACTIONS -UNIT KN  METE      STRUCTURE TYPE = SPACE", "   -----------------",
         "", "  JOINT  LOAD   FORCE-X   FORCE-Y   FORCE-Z     MOM-X     MOM-Y     MOM Z", ""});
    for (const Joint& joint : model.joints) {
        if (joint.y != 0) {
            continue;
        }
        bool first = true;
        for (int loadCase : resultCases(model)) {
            writer.line(jointRow("%7s%6d%10.2f%10.2f%10.2f%10.2f%10.2f%10.2f", joint.number, first,
                                 loadCase, static_cast<std::uint64_t>(joint.number) + 50000, 850));
            first = false;
        }
    }
    writer.setTableHeading({});
}

double firstFloorLevel(const Model& model) {
    double lowest = Limits::kCoordinateMetres;
    for (const Joint& joint : model.joints) {
        if (joint.y > 0) {
            lowest = std::min(lowest, joint.y);
        }
    }
    return lowest;
}

// The forces at both ends of a member for one case; member and case named on the first line.
void writeEndForces(ListingWriter& writer, const Member& member, bool firstOfMember, int loadCase) {
    char text[160];
    for (int end = 0; end < 2; ++end) {
        double v[6];
        for (int i = 0; i < 6; ++i) {
            v[i] = resultValue(static_cast<std::uint64_t>(member.number),
                               static_cast<std::uint64_t>(loadCase), static_cast<std::uint64_t>(i),
                               i < 3 ? 250 : 120);
            v[i] = end == 0 ? v[i] : -v[i];
        }
        const std::string memberText =
            end == 0 && firstOfMember ? std::to_string(member.number) : "";
        const std::string caseText = end == 0 ? std::to_string(loadCase) : "";
        std::snprintf(text, sizeof text, "%8s%6s%6d%10.3f%10.3f%10.3f%10.3f%10.3f%11.3f",
                      memberText.c_str(), caseText.c_str(), end == 0 ? member.start : member.end,
                      v[0], v[1], v[2], v[3], v[4], v[5]);
        writer.line(text);
    }
}

void writeMemberForces(ListingWriter& writer, const Model& model, bool extract) {
    writer.line();
    writer.setTableHeading(
        {"   MEMBER END FORCES    STRUCTURE TYPE = SPACE", "   -----------------",
         "   ALL UNITS ARE -- KN  METE", "",
         "  MEMBER  LOAD  JT     AXIAL   SHEAR-Y   SHEAR-Z   TORSION     MOM-Y      MOM-Z", ""});
    const double firstFloor = firstFloorLevel(model);
    for (const Member& member : model.members) {
        if (extract && !(member.beam && model.joint(member.start).y == firstFloor)) {
            continue;
        }
        bool first = true;
        for (int loadCase : resultCases(model)) {
            if (extract && loadCase > 2) {
                continue;
            }
            writeEndForces(writer, member, first, loadCase);
            first = false;
        }
    }
    writer.setTableHeading({});
}

// The heading of one load case's block of results: its number and title, underlined.
std::vector<std::string> caseBlockHeading(const std::string& table, const Model& model,
                                          int loadCase) {
    std::string title = "LOAD COMBINATION";
    for (const LoadCase& primary : model.cases) {
        if (primary.number == loadCase) {
            title = primary.title;
        }
    }
    for (const Combination& combination : model.combinations) {
        if (combination.number == loadCase) {
            title = combination.title;
        }
    }
    char line[120];
    std::snprintf(line, sizeof line, "   LOAD CASE %4d   %s", loadCase, title.c_str());
    return {table,
            "   --------------------------------------",
            "",
            line,
            "   " + std::string(std::string(line).size() - 3, '-'),
            "",
            "  MEMBER  LOAD  SECT      DIST     AXIAL   SHEAR-Y     MOM-Z",
            ""};
}

// Forces at twelve sections along every beam, in one block per load case, round after round,
// until the listing has reached the requested size.
void writeSectionForces(ListingWriter& writer, const Model& model, std::uint64_t paddedTo) {
    const std::vector<int> cases = resultCases(model);
    std::vector<std::pair<const Member*, double>> beams;
    for (const Member& member : model.members) {
        if (member.beam) {
            beams.emplace_back(&member, model.length(member));
        }
    }
    char text[120];
    const auto full = [&writer, paddedTo] { return writer.bytesWritten() >= paddedTo; };
    for (std::uint64_t round = 0; !beams.empty() && !full(); ++round) {
        for (std::size_t c = 0; c < cases.size() && !full(); ++c) {
            const int loadCase = cases[c];
            writer.line();
            writer.setTableHeading(caseBlockHeading(
                "   MEMBER FORCES AT INTERMEDIATE SECTIONS    STRUCTURE TYPE = SPACE", model,
                loadCase));
            for (std::size_t b = 0; b < beams.size() && !full(); ++b) {
                const auto& [member, length] = beams[b];
                for (int section = 1; section <= 12; ++section) {
                    const std::uint64_t key = (static_cast<std::uint64_t>(member->number) << 20) +
                                              round * 16 + static_cast<std::uint64_t>(section);
                    const std::string memberText =
                        section == 1 ? std::to_string(member->number) : "";
                    std::snprintf(
                        text, sizeof text, "%8s%6d%6d%10.3f%10.3f%10.3f%10.3f", memberText.c_str(),
                        loadCase, section, length * section / 13, resultValue(key, loadCase, 0, 40),
                        resultValue(key, loadCase, 1, 250), resultValue(key, loadCase, 2, 180));
                    writer.line(text);
                }
            }
            writer.setTableHeading({});
        }
    }
}

}  // namespace

void writeAnalysisResults(ListingWriter& writer, const Model& model, std::uint64_t paddedTo) {
    const bool extract = paddedTo == 0;
    writeSummary(writer, model);
    writeDisplacements(writer, model, extract);
    writeReactions(writer, model);
    writeMemberForces(writer, model, extract);
    if (!extract) {
        writeSectionForces(writer, model, paddedTo);
    }
}

}  // namespace gen
