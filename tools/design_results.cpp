// The concrete design output: one block per designed beam and column.
#include "design_results.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "result_values.h"

namespace gen {
namespace {

// Steel areas of a 12 mm bar pattern, rounded to whole bars as a designer would provide.
double barArea(double required) {
    const double bar = 113.097;
    return std::ceil(std::max(required, 2 * bar) / bar) * bar;
}

void writeBeamBlock(ListingWriter& writer, const Member& member, double lengthMetres) {
    const double length = std::round(lengthMetres * 10000) / 10;
    const auto key = static_cast<std::uint64_t>(member.number);
    const double span = std::fabs(resultValue(key, 1, 0, 1)) * 400 + 200 * lengthMetres / 6;
    char text[160];
    writer.line();
    std::snprintf(text, sizeof text,
                  "                    B E A M  N O. %7d   D E S I G N   R E S U L T S",
                  member.number);
    writer.line(text);
    writer.line();
    std::snprintf(text, sizeof text,
                  "     LENGTH: %8.1f mm    SIZE:  300.0 mm X  450.0 mm    COVER:  25.0 mm",
                  length);
    writer.line(text);
    std::snprintf(text, sizeof text, "     SECTION    %9.1f %9.1f %9.1f %9.1f %9.1f  mm", 0.0,
                  length / 4, length / 2, 3 * length / 4, length);
    writer.line(text);
    const double support = barArea(span * 1.4);
    const double middle = barArea(span);
    std::snprintf(text, sizeof text, "     TOP        %9.2f %9.2f %9.2f %9.2f %9.2f  Sq.mm",
                  support, barArea(0), 0.0, barArea(0), support);
    writer.line(text);
    std::snprintf(text, sizeof text, "     BOTTOM     %9.2f %9.2f %9.2f %9.2f %9.2f  Sq.mm",
                  barArea(0), middle, middle, middle, barArea(0));
    writer.line(text);
    writer.line("     SHEAR: 2 legged 8 mm dia. @ 150 mm c/c");
}

void writeColumnBlock(ListingWriter& writer, const Member& member, double lengthMetres) {
    const auto key = static_cast<std::uint64_t>(member.number);
    const double steel = 1280 + std::fabs(resultValue(key, 2, 0, 900));
    const int bars = static_cast<int>(std::ceil(steel / 201.06 / 2)) * 2;
    char text[160];
    writer.line();
    std::snprintf(text, sizeof text,
                  "                    C O L U M N   N O. %7d   D E S I G N   R E S U L T S",
                  member.number);
    writer.line(text);
    writer.line();
    std::snprintf(text, sizeof text,
                  "     LENGTH: %8.1f mm   CROSS SECTION:  400.0 mm X  400.0 mm   COVER:  40.0 mm",
                  std::round(lengthMetres * 10000) / 10);
    writer.line(text);
    std::snprintf(text, sizeof text, "     GUIDING LOAD CASE: %5d   END JOINT: %7d   SHORT COLUMN",
                  4, member.end);
    writer.line(text);
    std::snprintf(text, sizeof text, "     REQD. STEEL AREA :  %9.2f Sq.mm.", steel);
    writer.line(text);
    std::snprintf(text, sizeof text,
                  "     MAIN REINFORCEMENT : Provide %d - 16 dia. (%.2f%%, %.2f Sq.mm.)", bars,
                  bars * 201.06 / 1600, bars * 201.06);
    writer.line(text);
    writer.line("     TIE REINFORCEMENT  : Provide 8 mm dia. rectangular ties @ 250 mm c/c");
}

}  // namespace

void writeDesignResults(ListingWriter& writer, const Model& model) {
    std::map<int, const Member*> members;
    for (const Member& member : model.members) {
        members[member.number] = &member;
    }
    writer.line();
    writer.line("     CONCRETE DESIGN RESULTS    (CODE INDIAN, M25, Fe415)");
    writer.line("     ---------------------------------------------------");
    for (int number : model.designOrder) {
        const Member& member = *members.at(number);
        if (member.beam) {
            writeBeamBlock(writer, member, model.length(member));
        } else {
            writeColumnBlock(writer, member, model.length(member));
        }
    }
}

}  // namespace gen
