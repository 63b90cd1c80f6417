// Pass 3 of the reader, the design scan.
#include "reader/design_scan_pass.h"

#include <array>

#include "model/checked_convert.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

constexpr std::string_view kBeamKey = "B E A M  N O.";
constexpr std::string_view kLengthKey = "LENGTH:";
constexpr std::string_view kColumnKey = "C O L U M N   N O.";
constexpr std::size_t kValueWindow = 10;
constexpr std::array<std::string_view, 1> kBeamSearch = {kBeamKey};
// The length search stops at a column header: a column's length is never a beam's.
constexpr std::array<std::string_view, 2> kLengthSearch = {kLengthKey, kColumnKey};

}  // namespace

float ReadValueAfter(std::string_view line, std::string_view key) {
    const std::size_t at = line.find(key);
    return static_cast<float>(LeadingNumber(line.substr(at + key.size()).substr(0, kValueWindow)));
}

void DesignScanPass::start() {
    model_.BeamDesignCount = 0;
    startRowIfBeamHeader();
}

std::span<const std::string_view> DesignScanPass::keys() const {
    if (searchingLength_) {
        return kLengthSearch;
    }
    return kBeamSearch;
}

// A beam header in CurrentLine opens a row; a header without a number in its window is shown
// as it stands and the row keeps member number 0.
void DesignScanPass::startRowIfBeamHeader() {
    if (CurrentLine.find(kBeamKey) == std::string::npos) {
        searchingLength_ = false;
        return;
    }
    const int row = model_.BeamDesignCount + 1;
    const int32_t member = toInt32(ReadValueAfter(CurrentLine, kBeamKey), "beam number");
    model_.BeamDesignTable.at(row, 1) = member;
    model_.BeamDesignCount = static_cast<int16_t>(row);
    if (member == 0) {
        show(CurrentLine);
    }
    searchingLength_ = true;
}

void DesignScanPass::take(std::string_view line, TextStream&) {
    CurrentLine.assign(line);
    if (searchingLength_ && CurrentLine.find(kColumnKey) == std::string::npos) {
        model_.BeamDesignTable.at(model_.BeamDesignCount, 2) =
            toInt32(ReadValueAfter(CurrentLine, kLengthKey), "beam length");
    }
    // The next search starts with the line where the length search stopped.
    startRowIfBeamHeader();
}

}  // namespace fp
