// Pass 4 of the reader: the distinct downward uniform member loads ("UNI GY -" statements).
#include <cmath>
#include <string>
#include <string_view>

#include "reader/listing_passes.h"
#include "reader/member_load_statement.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

constexpr std::string_view kSectionKey = "MEMBER LOAD";
constexpr std::string_view kUniformKey = "UNI GY";
constexpr std::string_view kDownwardKey = "UNI GY -";
constexpr std::size_t kIntensityOffset = 7;  // "UNI GY " and then the value

// The message for the first piece of the member list that is not a member number.
std::string memberListMessage(long index, std::string_view piece, std::string_view before,
                              std::string_view line) {
    return std::to_string(index) + " Error : " + std::string(piece) + ", " + std::string(before) +
           "( " + std::string(line) + ")";
}

// A downward statement is complete on CurrentLine: check its member list and keep its load.
// False when the rest of the section is to be passed over.
bool takeStatement(ModelStore& model, ListingReading& reading, PlatformServices& services,
                   const GatheredMemberList& gathered) {
    const std::string_view line = reading.CurrentLine;
    const std::size_t uniform = line.find(kUniformKey);
    reading.FoundAt = static_cast<int>(uniform) + 1;
    const std::string_view text = intensityText(line, uniform + kIntensityOffset);
    const float w = static_cast<float>(LeadingNumber(text));
    if (!std::isfinite(w)) {
        throw reading.failure(
            "The member load \"" + std::string(text) + "\" is too large to be held",
            "Check the member-load statement.");
    }
    if (!(w < 0)) {
        return false;
    }
    long index = 0;
    std::string before;
    std::string bad;
    bool allNumbers = true;
    ForEachMemberListPiece(gathered.memberList(), [&](std::string_view piece) {
        if (!IsNumberToken(piece)) {
            bad = piece;
            allNumbers = false;
            return false;
        }
        before = piece;
        ++index;
        return true;
    });
    if (!allNumbers) {
        services.showMessage(memberListMessage(index, bad, before, line));
        return false;
    }
    AddIfAbsent(model.MemberLoadList, std::fabs(w));
    return true;
}

void gather(ListingReading& reading, GatheredMemberList& gathered, std::string_view line) {
    gathered.append(gatheredPart(line));
    if (gathered.overlong()) {
        throw reading.failure("A member-load statement runs on for more than " +
                                  std::to_string(GatheredMemberList::kLongest) +
                                  " characters of member numbers",
                              "Check that the statement ends with its \"UNI GY\" load.");
    }
}

// Reads statements from the next line on; false at the end of the file. Every line is a
// statement line, but only one holding "UNI" can complete a statement, so the reading
// jumps from one such line to the next. The lines passed over only matter when the line
// reached continues a statement: then they are gathered as if read one by one.
bool readStatements(ModelStore& model, ListingReading& reading, PlatformServices& services,
                    GatheredMemberList& gathered, std::string& scratch) {
    gathered.clear();
    while (reading.ListingStream->readlineContaining({"UNI"})) {
        reading.CurrentLine.assign(trimBlanks(reading.ListingStream->lastLine()));
        const StatementKind kind = statementKind(reading.CurrentLine, scratch);
        if (kind == StatementKind::Other) {
            gathered.clear();
            continue;
        }
        reading.ListingStream->forEachPassedOverLine([&](std::string_view passed) {
            const std::string_view line = trimBlanks(passed);
            if (statementKind(line, scratch) == StatementKind::Other) {
                gathered.clear();
            } else {
                gather(reading, gathered, line);
            }
        });
        gather(reading, gathered, reading.CurrentLine);
        if (kind == StatementKind::MemberList) {
            continue;
        }
        if (reading.CurrentLine.find(kDownwardKey) == std::string::npos) {
            gathered.clear();
            continue;
        }
        if (!takeStatement(model, reading, services, gathered)) {
            return true;
        }
        gathered.clear();
    }
    return false;
}

}  // namespace

void ReadMemberLoads(ModelStore& model, ListingReading& reading, PlatformServices& services) {
    GatheredMemberList gathered;
    std::string scratch;
    do {
        reading.FoundAt = 0;
        if (!reading.readLineContaining({kSectionKey})) {
            return;
        }
    } while (readStatements(model, reading, services, gathered, scratch));
}

}  // namespace fp
