// The design scan.
#include "reader/design_scan_pass.h"

#include <array>

#include "model/rounding.h"
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

// The number in the ten characters that follow the first `key` in `line` (which holds it).
float valueAfter(std::string_view line, std::string_view key) {
    const std::size_t at = line.find(key);
    return static_cast<float>(leadingNumber(line.substr(at + key.size()).substr(0, kValueWindow)));
}

}  // namespace

std::span<const std::string_view> DesignScanPass::keys() const {
    if (searchingLength_) {
        return kLengthSearch;
    }
    return kBeamSearch;
}

// A beam header opens a design row; a header without a number in its window is shown as it
// stands and the row keeps member number 0.
void DesignScanPass::startRowIfBeamHeader(std::string_view line, long lineNumber) {
    if (line.find(kBeamKey) == std::string_view::npos) {
        searchingLength_ = false;
        return;
    }
    const int32_t member = roundToInt32(valueAfter(line, kBeamKey), "beam number");
    rows_.add(DesignRow{member, 0, lineNumber});
    if (member == 0) {
        show(std::string(line));
    }
    searchingLength_ = true;
}

void DesignScanPass::take(std::string_view line, TextStream& stream) {
    if (searchingLength_ && line.find(kColumnKey) == std::string_view::npos) {
        rows_.back().lengthMm = roundToInt32(valueAfter(line, kLengthKey), "beam length");
    }
    // The next search starts with the line where the length search stopped.
    startRowIfBeamHeader(line, stream.lineNumber());
}

void DesignScanPass::finish() {
    if (searchingLength_) {
        cutHeaderLine_ = rows_.back().line;
        rows_.removeLast();
        searchingLength_ = false;
    }
}

}  // namespace fp
