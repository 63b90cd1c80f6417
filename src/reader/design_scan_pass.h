// Pass 3 of the reader, the design scan: one design row (member number, printed length) per
// beam block of the listing.
#pragma once

#include <string>
#include <string_view>

#include "model/model_store.h"
#include "reader/side_by_side_pass.h"

namespace fp {

// The number in the ten characters that follow the first `key` in `line` (which holds it).
float ReadValueAfter(std::string_view line, std::string_view key);

class DesignScanPass : public SideBySidePass {
  public:
    // `lastLine` is the line the pass before leaves behind, the listing's last line: the first
    // search for a beam block tests it before any line is read.
    DesignScanPass(ModelStore& model, std::string lastLine)
        : model_(model), CurrentLine(std::move(lastLine)) {}

    void start() override;
    std::span<const std::string_view> keys() const override;
    void take(std::string_view line, TextStream& stream) override;

  private:
    void startRowIfBeamHeader();

    ModelStore& model_;
    std::string CurrentLine;
    // Between a beam header and its "LENGTH:" line (or a column header).
    bool searchingLength_ = false;
};

}  // namespace fp
