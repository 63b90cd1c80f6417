// The design scan: one design row (member number, printed length) per beam block of the
// listing.
#pragma once

#include <string_view>

#include "model/records.h"
#include "reader/side_by_side_pass.h"

namespace fp {

// Reads the listing from its first line, as every pass does. A beam block the listing ends in
// before its "LENGTH:" line has no row: its header's line is kept in `cutHeaderLine` instead.
class DesignScanPass : public SideBySidePass {
  public:
    DesignScanPass(DesignRowList& rows, long& cutHeaderLine)
        : rows_(rows), cutHeaderLine_(cutHeaderLine) {}

    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;
    void finish() override;

  private:
    void startRowIfBeamHeader(std::string_view line, long lineNumber);

    DesignRowList& rows_;
    long& cutHeaderLine_;
    // Between a beam header and its "LENGTH:" line (or a column header).
    bool searchingLength_ = false;
};

}  // namespace fp
