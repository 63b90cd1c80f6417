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

enum class Next { Statement, Section, Done };

// The message for the first piece of the member list that is not a member number.
std::string memberListMessage(long index, std::string_view piece, std::string_view before,
                              std::string_view line) {
    return std::to_string(index) + " Error : " + std::string(piece) + ", " + std::string(before) +
           "( " + std::string(line) + ")";
}

// A downward statement is complete on CurrentLine: check its member list and keep its load.
Next takeStatement(ModelStore& model, ListingReading& reading, PlatformServices& services,
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
        return Next::Section;
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
        return Next::Section;
    }
    AddIfAbsent(model.MemberLoadList, std::fabs(w));
    return Next::Statement;
}

// Reads one statement from the next line on; says where reading goes on.
Next readStatement(ModelStore& model, ListingReading& reading, PlatformServices& services,
                   GatheredMemberList& gathered, std::string& scratch) {
    gathered.clear();
    while (!reading.AtEndOfStream()) {
        reading.CurrentLine.assign(trimBlanks(reading.ListingStream->readline()));
        const std::string_view line = reading.CurrentLine;
        const StatementKind kind = statementKind(line, scratch);
        if (kind == StatementKind::Other) {
            return Next::Statement;
        }
        gathered.append(gatheredPart(line));
        if (gathered.overlong()) {
            throw reading.failure("A member-load statement runs on for more than " +
                                      std::to_string(GatheredMemberList::kLongest) +
                                      " characters of member numbers",
                                  "Check that the statement ends with its \"UNI GY\" load.");
        }
        if (kind == StatementKind::Uniform) {
            if (line.find(kDownwardKey) == std::string_view::npos) {
                return Next::Statement;
            }
            return takeStatement(model, reading, services, gathered);
        }
    }
    return Next::Done;
}

}  // namespace

void ReadMemberLoads(ModelStore& model, ListingReading& reading, PlatformServices& services) {
    GatheredMemberList gathered;
    std::string scratch;
    Next next = Next::Section;
    while (next != Next::Done) {
        if (next == Next::Section) {
            reading.FoundAt = 0;
            if (!reading.readLineContaining({kSectionKey})) {
                return;
            }
        }
        next = readStatement(model, reading, services, gathered, scratch);
    }
}

}  // namespace fp
