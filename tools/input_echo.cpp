// The input echo of a listing: the banner, the model's input, and the design commands.
#include "input_echo.h"

#include <algorithm>

#include "member_lists.h"

namespace gen {
namespace {

// A statement over as many echo lines as it needs, the leading text on the first line.
void echoStatement(ListingWriter& writer, const std::string& lead, const std::vector<int>& numbers,
                   const std::string& ending) {
    std::vector<std::string> pieces = compressedList(numbers);
    if (!lead.empty()) {
        pieces.insert(pieces.begin(), lead);
    }
    bool first = true;
    for (const std::string& line : wrappedStatement(pieces, ending)) {
        writer.echo(line, !first);
        first = false;
    }
}

// A section of records written four to an echo line, separated by "; ".
template <typename Record, typename Text>
void echoFourToALine(ListingWriter& writer, const std::string& heading,
                     const std::vector<Record>& records, Text recordText) {
    writer.echo(heading);
    std::string line;
    int onLine = 0;
    for (const Record& record : records) {
        if (onLine > 0) {
            line += "; ";
        }
        line += recordText(record);
        if (++onLine == 4) {
            writer.echo(line);
            line.clear();
            onLine = 0;
        }
    }
    if (onLine > 0) {
        writer.echo(line);
    }
}

void writeJoints(ListingWriter& writer, const Model& model) {
    echoFourToALine(writer, "JOINT COORDINATES", model.joints, [](const Joint& joint) {
        return std::to_string(joint.number) + " " + decimalText(joint.x) + " " +
               decimalText(joint.y) + " " + decimalText(joint.z);
    });
}

void writeMembers(ListingWriter& writer, const Model& model) {
    echoFourToALine(writer, "MEMBER INCIDENCES", model.members, [](const Member& member) {
        return std::to_string(member.number) + " " + std::to_string(member.start) + " " +
               std::to_string(member.end);
    });
}

std::vector<int> membersWhere(const Model& model, bool beams) {
    std::vector<int> numbers;
    for (const Member& member : model.members) {
        if (member.beam == beams) {
            numbers.push_back(member.number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void writeProperties(ListingWriter& writer, const Model& model) {
    writer.echo("DEFINE MATERIAL START");
    writer.echo("ISOTROPIC CONCRETE");
    writer.echo("E 2.17185E+07");
    writer.echo("POISSON 0.17");
    writer.echo("DENSITY 23.5616");
    writer.echo("ALPHA 1E-05");
    writer.echo("DAMP 0.05");
    writer.echo("END DEFINE MATERIAL");
    writer.echo("MEMBER PROPERTY");
    echoStatement(writer, "", membersWhere(model, true), " PRIS YD 0.45 ZD 0.3");
    echoStatement(writer, "", membersWhere(model, false), " PRIS YD 0.4 ZD 0.4");
    writer.echo("CONSTANTS");
    writer.echo("MATERIAL CONCRETE ALL");
    writer.echo("SUPPORTS");
    std::vector<int> bases;
    for (const Joint& joint : model.joints) {
        if (joint.y == 0) {
            bases.push_back(joint.number);
        }
    }
    echoStatement(writer, "", bases, " FIXED");
}

std::string floorLoadLine(const FloorLoad& load) {
    std::string line = "YRANGE " + decimalText(load.y1) + " " + decimalText(load.y2) + " FLOAD " +
                       decimalText(load.value);
    if (!load.wholePlan) {
        // The ranges are lined up as typed in the input, two blanks before ZRANGE and GY.
        line += " XRANGE " + decimalText(load.x1) + " " + decimalText(load.x2) + "  ZRANGE " +
                decimalText(load.z1) + " " + decimalText(load.z2) + " ";
    }
    return line + " GY";
}

void writeLoadCase(ListingWriter& writer, const LoadCase& loadCase) {
    writer.echo("LOAD " + std::to_string(loadCase.number) + " LOADTYPE " + loadCase.type +
                " TITLE " + loadCase.title);
    if (loadCase.selfWeight) {
        writer.echo("SELFWEIGHT Y -1");
    }
    if (!loadCase.jointLoads.empty()) {
        writer.echo("JOINT LOAD");
        for (const JointLoad& load : loadCase.jointLoads) {
            echoStatement(writer, "", load.joints, " FX " + decimalText(load.forceX));
        }
    }
    if (!loadCase.floorLoads.empty()) {
        writer.echo("FLOOR LOAD");
        for (const FloorLoad& load : loadCase.floorLoads) {
            writer.echo(floorLoadLine(load));
        }
    }
    if (!loadCase.memberLoads.empty()) {
        writer.echo("MEMBER LOAD");
        for (const MemberLoad& load : loadCase.memberLoads) {
            if (!load.members.empty()) {
                echoStatement(writer, "", load.members, " UNI GY " + decimalText(load.value));
            }
        }
    }
}

void writeCombination(ListingWriter& writer, const Combination& combination) {
    writer.echo("LOAD COMBINATION " + std::to_string(combination.number) + " " + combination.title);
    std::string factors;
    for (const auto& [loadCase, factor] : combination.factors) {
        if (!factors.empty()) {
            factors += ' ';
        }
        factors += std::to_string(loadCase);
        factors += ' ';
        factors += decimalText(factor);
    }
    writer.echo(factors, true);
}

}  // namespace

void writeBanner(ListingWriter& writer, const Model& model) {
    writer.line();
    writer.line("                  ****************************************************");
    writer.line("                  *                                                  *");
    writer.line("                  *            FRAME ANALYSIS PROGRAM                *");
    writer.line("                  *            Version  4.2.1     Build 0714         *");
    writer.line("                  *            Space frames, concrete design         *");
    writer.line("                  *                                                  *");
    writer.line("                  ****************************************************");
    writer.line();
    writer.line("     JOB: " + model.title);
    writer.newPage();
}

void writeModelInput(ListingWriter& writer, const Model& model) {
    writer.echo("STRUCTURE SPACE FRAME");
    writer.echo("START JOB INFORMATION");
    writer.echo("JOB NAME " + model.title);
    writer.echo("JOB CLIENT HARBOUR ESTATES LTD");
    writer.echo("JOB NO 24-117");
    writer.echo("JOB REV 2");
    writer.echo("ENGINEER NAME R. OKAFOR");
    writer.echo("CHECKER NAME M. LINDQVIST");
    writer.echo("ENGINEER DATE 08-DEC-26");
    writer.echo("JOB COMMENT REINFORCED CONCRETE FRAME, FLAT SLABS ON BEAMS");
    writer.echo("JOB COMMENT LOADS TO THE OWNER'S BRIEF, REV 2");
    writer.echo("END JOB INFORMATION");
    writer.echo("INPUT WIDTH 79");
    writer.echo("UNIT METER KN");
    writer.setUnits("     ALL UNITS ARE -- KN   METE  (UNLESS OTHERWISE NOTED)");
    writeJoints(writer, model);
    writeMembers(writer, model);
    writeProperties(writer, model);
    for (const LoadCase& loadCase : model.cases) {
        writeLoadCase(writer, loadCase);
    }
    for (const Combination& combination : model.combinations) {
        writeCombination(writer, combination);
    }
    writer.echo("PERFORM ANALYSIS");
    writer.echo("PRINT JOINT DISPLACEMENTS ALL");
    writer.echo("PRINT SUPPORT REACTIONS ALL");
    writer.echo("PRINT MEMBER FORCES ALL");
}

void writeDesignInput(ListingWriter& writer, const Model& model) {
    std::vector<int> beams;
    std::vector<int> columns;
    for (int number : model.designOrder) {
        (model.member(number).beam ? beams : columns).push_back(number);
    }
    writer.echo("START CONCRETE DESIGN");
    writer.echo("CODE INDIAN");
    writer.echo("FYMAIN 415000 ALL");
    writer.echo("FC 25000 ALL");
    writer.echo("CLEAR 0.025 MEMB ALL");
    if (!beams.empty()) {
        echoStatement(writer, "DESIGN BEAM", beams, "");
    }
    if (!columns.empty()) {
        echoStatement(writer, "DESIGN COLUMN", columns, "");
    }
}

void writeClosing(ListingWriter& writer) {
    writer.echo("END CONCRETE DESIGN");
    writer.echo("FINISH");
    writer.line();
    writer.line("         *********** END OF THE FRAME ANALYSIS PROGRAM ***********");
    writer.line();
}

}  // namespace gen
