// The distinct downward uniform member loads ("UNI GY -" statements).
#pragma once

#include <cstdint>
#include <string>

#include "model/records.h"
#include "reader/member_load_statement.h"
#include "reader/member_load_table.h"
#include "reader/side_by_side_pass.h"

namespace fp {

// A member-load section runs from its "MEMBER LOAD" line to the end of the listing. Every line
// of it is a statement line, but only a line holding "UNI" can complete a statement, so the
// pass is handed those; the lines between matter only when the line handed continues a
// statement, and are then gathered as if they had been read one by one. The load-case headers
// are handed too, anywhere, so that every load kept by member carries its case.
class MemberLoadPass : public SideBySidePass {
  public:
    MemberLoadPass(LoadValueList& values, MemberLoadList& byMember, LoadCaseNumbers& numbers)
        : values_(values), byMember_(byMember, numbers) {}

    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;

  private:
    void takeStatementLine(TextStream& stream);
    void gather(std::string_view line);
    // `lineNumber` is the current line's number in the listing.
    bool keepDownwardLoad(long lineNumber);

    LoadValueList& values_;
    MemberLoadTable byMember_;
    bool inSection_ = false;
    std::string currentLine_;  // the statement line last taken, without its outer blanks
    GatheredMemberList gathered_;
    std::string scratch_;
    std::uint64_t notGatheredFrom_ = 0;  // file offset of the first line not yet gathered
};

}  // namespace fp
