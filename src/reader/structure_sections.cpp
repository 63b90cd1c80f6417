// Pass 1 of the reader: the unit line, the joint coordinates and the member incidences.
#include <string>
#include <string_view>

#include "model/checked_convert.h"
#include "reader/listing_passes.h"
#include "reader/run_ended.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

constexpr std::string_view kUnitKey = "UNIT";
constexpr std::string_view kJointKey = "JOINT COORDINATES";
constexpr std::string_view kMemberKey = "MEMBER INCIDENCES";
constexpr const char* kUnitMessage = "Change the units to Kn Meter ";

RunEndingError missingSection(const ListingReading& reading, std::string_view what,
                              std::string_view where) {
    return RunEndingError("The listing \"" + reading.ListingFileName + "\" has no line with \"" +
                              std::string(what) + "\"" + std::string(where),
                          "FramePlan reads the unit line, then the joint coordinates, then the "
                          "member incidences of the analysis input.");
}

// Reads on to the next line of a section that starts with a number and holds a value after
// it; the position of that value in CurrentLine, or 0 when the section has ended (a line
// with its echo number alone, or the end of the file).
int nextSectionValue(ListingReading& reading) {
    while (!reading.AtEndOfStream()) {
        reading.readLine();
        const std::string_view line = reading.CurrentLine;
        if (LeadingNumber(line) == 0) {
            continue;
        }
        const int afterEcho = SkipNumber(line, SkipToNumber(line, 1));
        const int value = SkipToNumber(line, afterEcho);
        return value <= static_cast<int>(line.size()) ? value : 0;
    }
    return 0;
}

// A value printed with a negative exponent is taken as zero: every blank-separated piece
// holding "E-" becomes "0.0".
void zeroNegativeExponents(std::string& line) {
    if (line.find("E-") == std::string::npos) {
        return;
    }
    std::string replaced;
    replaced.reserve(line.size());
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = line.find(' ', start);
        const std::string_view piece = std::string_view(line).substr(
            start, blank == std::string::npos ? std::string::npos : blank - start);
        replaced += piece.find("E-") == std::string_view::npos ? piece : "0.0";
        if (blank == std::string::npos) {
            break;
        }
        replaced += ' ';
        start = blank + 1;
    }
    line = replaced;
}

// The value of the run at `position`: the number read up to the next blank.
double runValue(std::string_view line, int position) {
    const std::string_view rest = line.substr(static_cast<std::size_t>(position - 1));
    return LeadingNumber(rest.substr(0, rest.find(' ')));
}

// Only the joint section takes values printed with a negative exponent as zero.
enum class NegativeExponents { Kept, Zeroed };

// Reads a section's values, those after each line's echo number, into rows of `columns` values.
// The values flow through the columns regardless of line breaks, so a row may span two lines
// and several rows may share one; `rowCount` starts at 1 and ends as the row of the last value.
template <typename StoreValue>
void readSectionRows(ListingReading& reading, int columns, int16_t& rowCount,
                     NegativeExponents exponents, StoreValue store) {
    int column = 0;
    rowCount = 1;
    while (nextSectionValue(reading) > 0) {
        if (exponents == NegativeExponents::Zeroed) {
            zeroNegativeExponents(reading.CurrentLine);
        }
        const std::string_view line = reading.CurrentLine;
        const int lineEnd = static_cast<int>(line.size()) + 1;
        int position = SkipToNumber(line, SkipNumber(line, SkipToNumber(line, 1)));
        for (; position < lineEnd; position = SkipToNumber(line, SkipNumber(line, position))) {
            if (column >= columns) {
                column = 0;
                rowCount = static_cast<int16_t>(rowCount + 1);
            }
            store(rowCount, column, runValue(line, position));
            ++column;
        }
    }
}

}  // namespace

void ReadUnits(ListingReading& reading, PlatformServices& services) {
    if (!reading.readLineContaining({kUnitKey})) {
        throw missingSection(reading, kUnitKey, "");
    }
    reading.FoundAt = static_cast<int>(reading.CurrentLine.find(kUnitKey)) + 1;
    const std::size_t unitStart = static_cast<std::size_t>(reading.FoundAt) + 4;
    const std::string unit =
        unitStart < reading.CurrentLine.size() ? reading.CurrentLine.substr(unitStart, 4) : "";
    if (unit != "METE") {
        services.showMessage(kUnitMessage);
        throw RunEnded(RunEnded::Reason::MessageShown, kUnitMessage);
    }
}

void ReadJoints(ModelStore& model, ListingReading& reading) {
    if (!reading.readLineContaining({kJointKey})) {
        throw missingSection(reading, kJointKey, " after its unit line");
    }
    readSectionRows(reading, 4, model.JointCount, NegativeExponents::Zeroed,
                    [&](int row, int column, double value) {
                        model.JointTable.at(row, column) =
                            column == 0
                                ? toInt16(value, "joint number")
                                : toInt16(value * 100, "joint coordinate in hundredths of a metre");
                    });
}

void ReadMembers(ModelStore& model, ListingReading& reading) {
    if (reading.CurrentLine.find(kMemberKey) == std::string::npos &&
        !reading.readLineContaining({kMemberKey})) {
        throw missingSection(reading, kMemberKey, " after its joint coordinates");
    }
    readSectionRows(reading, 3, model.MemberCount, NegativeExponents::Kept,
                    [&](int row, int column, double value) {
                        const char* what =
                            column == 0 ? "member number" : "joint number of a member";
                        model.MemberTable.at(row, column) = toInt32(value, what);
                    });
}

}  // namespace fp
