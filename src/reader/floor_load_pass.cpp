// The load-case headers and the downward floor loads ("YRANGE" lines).
#include "reader/floor_load_pass.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "model/listing_error.h"
#include "model/number_text.h"
#include "reader/load_case_header.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

constexpr std::string_view kHeaderKey = "LOADTYPE";
constexpr std::string_view kFloorLoadKey = "FLOOR LOAD";
constexpr std::string_view kRangeKey = "YRANGE";
// Only lines holding one of these can change anything; the others are passed over.
constexpr std::array<std::string_view, 2> kBeforeFloorLoads = {kHeaderKey, kFloorLoadKey};
constexpr std::array<std::string_view, 2> kAmongFloorLoads = {kHeaderKey, kRangeKey};
constexpr std::size_t kFullForm = 15;
constexpr std::size_t kShortForm = 7;

using Tokens = std::vector<std::string_view>;

// The words after " TITLE " in a header line, or nothing.
std::string_view titleOf(std::string_view line) {
    constexpr std::string_view kTitleKey = " TITLE ";
    const std::size_t at = line.find(kTitleKey);
    return at == std::string_view::npos ? std::string_view()
                                        : trimBlanks(line.substr(at + kTitleKey.size()));
}

// The tokens of a full-form line that hold its ranges: Y1, Y2, X1, X2, Z1, Z2.
constexpr std::array<std::size_t, 6> kRangeTokens = {2, 3, 7, 8, 11, 12};

// The number a token holds, as a 32-bit real; nothing when it is no number or too large.
std::optional<float> numberIn(std::string_view token) {
    if (!isNumberToken(token)) {
        return std::nullopt;
    }
    const float value = static_cast<float>(leadingNumber(token));
    return std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}

// A token of a floor-load line read as a 32-bit real; the whole token must be a number.
float tokenValue(const Tokens& tokens, std::size_t index) {
    const std::string_view token = tokens[index];
    if (!isNumberToken(token)) {
        throw ListingError("Piece " + std::to_string(index) + " of a floor-load line, \"" +
                               std::string(token) + "\", is not a number",
                           "A YRANGE line reads «YRANGE y1 y2 FLOAD value GY», or has the X "
                           "and Z ranges before GY, with numbers in its value places.");
    }
    const std::optional<float> value = numberIn(token);
    if (!value) {
        throw ListingError(
            "The floor-load value \"" + std::string(token) + "\" is too large to be held",
            "Check the floor-load line.");
    }
    return *value;
}

// The whole plan along one axis, in metres: the outermost grid lines widened by 0.01 m.
void wholePlan(float first, float last, float& low, float& high) {
    low = static_cast<float>(metres(first - 1.0f));
    high = static_cast<float>(metres(last + 1.0f));
}

}  // namespace

// A header makes its number the load case of the floor loads that follow, and is kept as a load
// case unless one of its number came before.
void FloorLoadPass::readHeader(std::string_view line, const Tokens& tokens, long lineNumber) {
    caseNumber_ = numbers_.ofHeader(lineNumber, tokens[2]);
    if (!known_.insert(caseNumber_.text()).second) {
        return;
    }
    const std::string_view title = titleOf(line);
    std::string header;
    for (std::size_t i = 3; i < tokens.size(); ++i) {
        header += (i > 3 ? " " : "") + std::string(tokens[i]);
    }
    cases_.add(LoadCase{caseNumber_, std::string(tokens[4]),
                        std::string(title.empty() ? tokens[4] : title), std::move(header),
                        lineNumber});
}

void FloorLoadPass::readRangeLine(const Tokens& tokens, long lineNumber) {
    if (tokens.size() < kShortForm) {
        throw ListingError("A floor-load line has " + std::to_string(tokens.size()) +
                               " pieces, too few for a YRANGE line",
                           "A YRANGE line has 7 pieces, or 15 with its X and Z ranges.");
    }
    const float value = tokenValue(tokens, 5);
    const bool full = tokens.size() == kFullForm;
    if (!full && tokens.size() != kShortForm) {
        return;
    }
    const std::string_view direction = tokens[full ? 14 : 6];
    const bool shown = direction == "GY" && value < 0;
    // The ranges of a load no plan shows were never required to be numbers: such a load is kept
    // only when they are.
    const std::span<const std::size_t> ranges =
        std::span(kRangeTokens).first(full ? kRangeTokens.size() : 2);
    if (!shown && (value == 0 || !std::all_of(ranges.begin(), ranges.end(), [&](std::size_t i) {
                       return numberIn(tokens[i]).has_value();
                   }))) {
        return;
    }
    FloorLoad load;
    load.caseNumber = caseNumber_;
    load.line = lineNumber;
    load.intensity = shown ? std::fabs(value) : value;
    load.y1 = tokenValue(tokens, 2);
    load.y2 = tokenValue(tokens, 3);
    if (full) {
        load.x1 = tokenValue(tokens, 7);
        load.x2 = tokenValue(tokens, 8);
        load.z1 = tokenValue(tokens, 11);
        load.z2 = tokenValue(tokens, 12);
    } else {
        wholePlan(extent_.firstX, extent_.lastX, load.x1, load.x2);
        wholePlan(extent_.firstZ, extent_.lastZ, load.z1, load.z2);
    }
    if (!shown) {
        unshown_.add(UnshownFloorLoad{std::move(load), std::string(direction)});
        return;
    }
    const float intensity = load.intensity;
    loads_.add(std::move(load));
    intensities_.addIfAbsent(intensity);
}

std::span<const std::string_view> FloorLoadPass::keys() const {
    return floorLoadSeen_ ? kAmongFloorLoads : kBeforeFloorLoads;
}

void FloorLoadPass::take(std::string_view line, TextStream& stream) {
    const Tokens tokens = cutAtBlanks(trimBlanks(line));
    if (isLoadCaseHeader(tokens)) {
        readHeader(trimBlanks(line), tokens, stream.lineNumber());
    }
    if (!floorLoadSeen_) {
        // The first "FLOOR LOAD" line itself holds no floor load.
        floorLoadSeen_ = line.find(kFloorLoadKey) != std::string_view::npos;
    } else if (tokens.size() >= 3 && tokens[1] == kRangeKey) {
        readRangeLine(tokens, stream.lineNumber());
    }
}

}  // namespace fp
