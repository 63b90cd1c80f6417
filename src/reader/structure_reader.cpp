// The unit line, the joint coordinates and the member incidences, and the members' orientation.
#include "reader/structure_reader.h"

#include <string>
#include <string_view>

#include "model/joint_index.h"
#include "model/listing_error.h"
#include "model/rounding.h"
#include "reader/text_primitives.h"
#include "reader/text_stream.h"

namespace fp {
namespace {

constexpr std::string_view kUnitKey = "UNIT";
constexpr std::string_view kJointKey = "JOINT COORDINATES";
constexpr std::string_view kMemberKey = "MEMBER INCIDENCES";
constexpr const char* kUnitMessage = "Change the units to Kn Meter ";

// The listing read from its top, and the line last read, which carries from one section to the
// next: the line that ends the joint section is the first tested for the member section.
class SectionReading {
  public:
    explicit SectionReading(ListingSource& listing) : stream_(listing) {}

    const std::string& currentLine() const { return currentLine_; }
    std::string& currentLine() { return currentLine_; }
    long lineNumber() const { return stream_.lineNumber(); }

    // Reads on to the next line holding `key`; false at the end of the listing.
    bool readLineContaining(std::string_view key) {
        const bool found = stream_.readLineContaining({key});
        currentLine_.assign(stream_.lastLine());
        return found;
    }

    // Reads on to the next line of a section that starts with a number and holds a value after
    // it; the position of that value in the current line, or 0 when the section has ended (a
    // line with its echo number alone, or the end of the listing).
    int nextSectionValue() {
        while (!stream_.atEnd()) {
            currentLine_.assign(stream_.readLine());
            const std::string_view line = currentLine_;
            if (leadingNumber(line) == 0) {
                continue;
            }
            const int afterEcho = skipNumber(line, skipToNumber(line, 1));
            const int value = skipToNumber(line, afterEcho);
            return value <= static_cast<int>(line.size()) ? value : 0;
        }
        return 0;
    }

    // A section that is not there; the failure is about the line of the section before it,
    // after which the reading looked.
    ListingError missingSection(std::string_view what, std::string_view where,
                                long lineBefore) const {
        return ListingError(
            "The listing has no line with \"" + std::string(what) + "\"" + std::string(where),
            "FramePlan reads the unit line, then the joint coordinates, then the "
            "member incidences of the analysis input.",
            lineBefore);
    }

  private:
    TextStream stream_;
    std::string currentLine_;
};

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
    return leadingNumber(rest.substr(0, rest.find(' ')));
}

// Only the joint section takes values printed with a negative exponent as zero.
enum class NegativeExponents { Kept, Zeroed };

// Reads a section's values, those after each line's echo number, into records of `columns`
// values. The values flow through the columns regardless of line breaks, so a record may span
// two lines and several records may share one. `store(record, column, value)` fills the record.
// The section starts with one empty record, which a section without values leaves as it is, and
// a new one follows every `columns` values.
template <typename Record, std::size_t Limit, typename StoreValue>
void readSectionRecords(SectionReading& reading, BoundedList<Record, Limit>& records, int columns,
                        NegativeExponents exponents, StoreValue store) {
    records.add(Record{});
    int column = 0;
    while (reading.nextSectionValue() > 0) {
        if (exponents == NegativeExponents::Zeroed) {
            zeroNegativeExponents(reading.currentLine());
        }
        const std::string_view line = reading.currentLine();
        const int lineEnd = static_cast<int>(line.size()) + 1;
        int position = skipToNumber(line, skipNumber(line, skipToNumber(line, 1)));
        for (; position < lineEnd; position = skipToNumber(line, skipNumber(line, position))) {
            if (column >= columns) {
                column = 0;
                records.add(Record{});
            }
            store(records.back(), column, runValue(line, position));
            ++column;
        }
    }
}

// Each section returns the number of the line it started at.
long readUnits(SectionReading& reading) {
    if (!reading.readLineContaining(kUnitKey)) {
        throw reading.missingSection(kUnitKey, "", 0);
    }
    const std::string& line = reading.currentLine();
    // The four characters after "UNIT" and one blank.
    const std::size_t unitStart = line.find(kUnitKey) + kUnitKey.size() + 1;
    const std::string unit = unitStart < line.size() ? line.substr(unitStart, 4) : "";
    if (unit != "METE") {
        throw ListingError::verbatim(kUnitMessage);
    }
    return reading.lineNumber();
}

// The distinct coordinates of the joints read so far, counted as each joint is read so that a
// coordinate past the grid's lines is reported at the line that holds it.
class DistinctCoordinates {
  public:
    void add(const Joint& joint) {
        x_.addIfAbsent(joint.x);
        y_.addIfAbsent(joint.y);
        z_.addIfAbsent(joint.z);
    }

  private:
    ValueList<kMaxGridLines> x_{"distinct X coordinates"};
    ValueList<kMaxGridLines> y_{"distinct Y coordinates (levels)"};
    ValueList<kMaxGridLines> z_{"distinct Z coordinates"};
};

long readJoints(SectionReading& reading, JointList& joints, long unitLine) {
    if (!reading.readLineContaining(kJointKey)) {
        throw reading.missingSection(kJointKey, " after its unit line", unitLine);
    }
    const long jointLine = reading.lineNumber();
    DistinctCoordinates distinct;
    readSectionRecords(reading, joints, 4, NegativeExponents::Zeroed,
                       [&distinct, &reading](Joint& joint, int column, double value) {
                           if (column == 0) {
                               joint.number = roundToInt16(value, "joint number");
                               joint.line = reading.lineNumber();
                               return;
                           }
                           const int16_t hundredths = roundToInt16(
                               value * 100, "joint coordinate in hundredths of a metre");
                           (column == 1 ? joint.x : column == 2 ? joint.y : joint.z) = hundredths;
                           if (column == 3) {
                               distinct.add(joint);
                           }
                       });
    // The last joint may lack its coordinates, and stands at 0 where it does.
    distinct.add(joints.back());
    return jointLine;
}

void readMembers(SectionReading& reading, MemberList& members, long jointLine) {
    if (reading.currentLine().find(kMemberKey) == std::string::npos &&
        !reading.readLineContaining(kMemberKey)) {
        throw reading.missingSection(kMemberKey, " after its joint coordinates", jointLine);
    }
    readSectionRecords(
        reading, members, 3, NegativeExponents::Kept, [](Member& member, int column, double value) {
            const char* what = column == 0 ? "member number" : "joint number of a member";
            const int32_t number = roundToInt32(value, what);
            (column == 0 ? member.number : column == 1 ? member.start : member.end) = number;
        });
}

}  // namespace

Structure readStructure(ListingSource& listing) {
    Structure structure;
    SectionReading reading(listing);
    try {
        const long unitLine = readUnits(reading);
        const long jointLine = readJoints(reading, structure.joints, unitLine);
        readMembers(reading, structure.members, jointLine);
    } catch (const ListingError& failure) {
        throw failure.atLine(reading.lineNumber());
    }
    return structure;
}

void orientMembers(MemberList& members, const JointList& joints) {
    const JointIndex index(joints);
    // A joint the listing does not have stands at the origin.
    const auto jointNumbered = [&index](int32_t number) {
        const Joint* joint = index.find(number);
        return joint != nullptr ? *joint : Joint{};
    };
    for (Member& member : members) {
        const Joint start = jointNumbered(member.start);
        const Joint end = jointNumbered(member.end);
        if (start.x > end.x || start.y > end.y || start.z > end.z) {
            std::swap(member.start, member.end);
        }
    }
}

}  // namespace fp
