// The design scan: one design row (member number, printed length) per beam block of the
// listing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/records.h"
#include "reader/side_by_side_pass.h"

namespace fp {

class DesignScanPass : public SideBySidePass {
  public:
    // `lastLine` is the line the floor-load pass leaves behind, the listing's last line: the
    // first search for a beam block tests it before any line is read. `lastLineNumber` gives its
    // number, asked for only when it heads a beam block.
    DesignScanPass(DesignRowList& rows, std::string lastLine, std::function<long()> lastLineNumber)
        : rows_(rows),
          currentLine_(std::move(lastLine)),
          lastLineNumber_(std::move(lastLineNumber)) {}

    void start() override;
    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;

  private:
    // `lineNumber` gives the number of the current line.
    void startRowIfBeamHeader(const std::function<long()>& lineNumber);

    DesignRowList& rows_;
    std::string currentLine_;
    std::function<long()> lastLineNumber_;
    // Between a beam header and its "LENGTH:" line (or a column header).
    bool searchingLength_ = false;
};

}  // namespace fp
