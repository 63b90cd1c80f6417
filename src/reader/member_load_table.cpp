// Member loads by member, bounded.
#include "reader/member_load_table.h"

#include <cmath>
#include <limits>

#include "reader/load_case_header.h"
#include "reader/text_primitives.h"

namespace fp {

void MemberLoadTable::takeHeader(std::string_view line, long lineNumber) {
    if (const auto number = loadCaseNumber(line)) {
        caseNumber_ = numbers_.ofHeader(lineNumber, *number);
    }
}

void MemberLoadTable::startStatement() {
    members_.clear();
    dropped_ = false;
}

bool MemberLoadTable::roomFor(std::size_t more) const {
    return table_.size() + members_.size() + more <= MemberLoadList::limit();
}

void MemberLoadTable::addMember(std::string_view piece, long line) {
    const double number = leadingNumber(piece);
    if (number != std::floor(number) || number < std::numeric_limits<int32_t>::min() ||
        number > std::numeric_limits<int32_t>::max()) {
        return;
    }
    if (!roomFor(1)) {
        dropped_ = true;
        return;
    }
    members_.push_back({static_cast<int32_t>(number), line});
}

void MemberLoadTable::addRange(int64_t first, int64_t last, long line) {
    // A range may name billions of members; only those the table has room for are walked.
    for (int64_t member = first; member <= last; ++member) {
        if (!roomFor(1)) {
            dropped_ = true;
            return;
        }
        members_.push_back({static_cast<int32_t>(member), line});
    }
}

std::optional<std::string> MemberLoadTable::keep(float value) {
    for (const WrittenMember& member : members_) {
        table_.add(MemberLoad{member.number, value, caseNumber_, member.line});
    }
    members_.clear();
    if (!dropped_ || told_) {
        return std::nullopt;
    }
    told_ = true;
    return "The listing has more than " + std::to_string(MemberLoadList::limit()) +
           " member loads by member; the later ones are not shown on the beams or in schedules";
}

}  // namespace fp
