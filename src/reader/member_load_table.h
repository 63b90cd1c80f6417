// The table of member loads by member, filled as the member-load pass accepts its statements.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"
#include "reader/load_case_numbers.h"

namespace fp {

// Takes the members of one statement as its member list is walked, and keeps them with the load
// only once the statement is accepted. The table never grows past its limit: the members past it
// are dropped, and the first statement that loses one gives the one message about it.
class MemberLoadTable {
  public:
    MemberLoadTable(MemberLoadList& table, LoadCaseNumbers& numbers)
        : table_(table), numbers_(numbers) {}

    // A load-case header line, the listing's line `lineNumber`: the loads that follow belong to
    // its case.
    void takeHeader(std::string_view line, long lineNumber);
    // The case of the loads read now, as written; empty before any header.
    const CaseNumber& caseNumber() const { return caseNumber_; }

    // Forgets the members of the statement before.
    void startStatement();
    // A member-list piece that reads as a number, written on the listing's line `line`; one that
    // is no whole 32-bit number names no member and is passed over.
    void addMember(std::string_view piece, long line);
    // The members first..last, both included, written on the listing's line `line`.
    void addRange(int64_t first, int64_t last, long line);

    // Keeps every member taken since startStatement() with `value`. Returns the message to show
    // when members had to be dropped for the first time.
    std::optional<std::string> keep(float value);

  private:
    bool roomFor(std::size_t more) const;

    MemberLoadList& table_;
    LoadCaseNumbers& numbers_;
    CaseNumber caseNumber_;
    struct WrittenMember {
        int32_t number = 0;
        long line = 0;
    };
    std::vector<WrittenMember> members_;
    bool dropped_ = false;
    bool told_ = false;
};

}  // namespace fp
