// The design scan: one design row (member number, printed length) per beam block of the
// listing.
#pragma once

#include <string>
#include <string_view>

#include "model/records.h"
#include "reader/side_by_side_pass.h"

namespace fp {

class DesignScanPass : public SideBySidePass {
  public:
    // `lastLine` is the line the floor-load pass leaves behind, the listing's last line: the
    // first search for a beam block tests it before any line is read.
    DesignScanPass(DesignRowList& rows, std::string lastLine)
        : rows_(rows), currentLine_(std::move(lastLine)) {}

    void start() override;
    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;

  private:
    void startRowIfBeamHeader();

    DesignRowList& rows_;
    std::string currentLine_;
    // Between a beam header and its "LENGTH:" line (or a column header).
    bool searchingLength_ = false;
};

}  // namespace fp
