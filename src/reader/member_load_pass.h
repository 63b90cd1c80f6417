// The distinct downward uniform member loads ("UNI GY -" statements).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/records.h"
#include "reader/member_load_statement.h"
#include "reader/member_load_table.h"
#include "reader/side_by_side_pass.h"
#include "reader/unshown_loads.h"

namespace fp {

// A member-load section runs from its "MEMBER LOAD" line to the end of the listing. Every line
// of it is a statement line, but only a line holding "UNI" can complete a statement, so the
// pass is handed those; the lines between matter only when the line handed continues a
// statement, and are then gathered as if they had been read one by one. The load-case headers
// are handed too, anywhere, so that every load kept by member carries its case.
class MemberLoadPass : public SideBySidePass {
  public:
    // A uniform load other than a downward one in GY goes to `unshown`.
    MemberLoadPass(LoadValueList& values, MemberLoadList& byMember,
                   BoundedFindings<UnshownMemberLoad>& unshown, LoadCaseNumbers& numbers)
        : values_(values), byMember_(byMember, numbers), unshown_(unshown) {}

    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;

  private:
    // Where the text gathered from a line starts in the gathered text, and the line's number.
    struct GatheredLine {
        std::size_t offset = 0;
        long line = 0;
    };

    void takeStatementLine(TextStream& stream);
    void gather(std::string_view line, long lineNumber);
    void clearGathered();
    bool keepDownwardLoad();
    // A uniform load of the current line, `lineNumber`, that no plan shows.
    void keepUnshownLoad(long lineNumber);
    // The line the member-list piece (a view into the gathered member list) is written on.
    long lineOfPiece(std::string_view piece) const;

    LoadValueList& values_;
    MemberLoadTable byMember_;
    BoundedFindings<UnshownMemberLoad>& unshown_;
    bool inSection_ = false;
    std::string currentLine_;  // the statement line last taken, without its outer blanks
    GatheredMemberList gathered_;
    std::vector<GatheredLine> gatheredLines_;
    std::string scratch_;
    std::uint64_t notGatheredFrom_ = 0;  // file offset of the first line not yet gathered
};

}  // namespace fp
