// Pass 3 of the reader: one design row (member number, printed length) per beam block.
#include <string>
#include <string_view>

#include "model/checked_convert.h"
#include "reader/listing_passes.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

constexpr const char* kBeamKey = "B E A M  N O.";
constexpr const char* kLengthKey = "LENGTH:";
constexpr std::string_view kColumnKey = "C O L U M N   N O.";
constexpr std::size_t kValueWindow = 10;

float valueAfterKeyInLine(ListingReading& reading, std::string_view key) {
    const std::size_t at = reading.CurrentLine.find(key);
    reading.FoundAt = static_cast<int>(at) + 1;
    const std::string_view window =
        std::string_view(reading.CurrentLine).substr(at + key.size()).substr(0, kValueWindow);
    return static_cast<float>(LeadingNumber(window));
}

// The onwards search; `reachedEnd` tells whether it ran into the end of the listing.
float searchValueAfter(ListingReading& reading, std::string_view key, bool& reachedEnd) {
    reachedEnd = !reading.readLineContaining({key, kColumnKey});
    if (reachedEnd || reading.CurrentLine.find(kColumnKey) != std::string::npos) {
        return 0;
    }
    return valueAfterKeyInLine(reading, key);
}

}  // namespace

float ReadValueAfter(ListingReading& reading, const char* key, bool searchOnwards) {
    if (!searchOnwards) {
        return valueAfterKeyInLine(reading, key);
    }
    bool reachedEnd = false;
    return searchValueAfter(reading, key, reachedEnd);
}

void ScanDesignResults(ModelStore& model, ListingReading& reading, PlatformServices& services) {
    model.BeamDesignCount = 0;
    // The first search tests the line left by the previous pass before reading any.
    while (reading.CurrentLine.find(kBeamKey) != std::string::npos ||
           reading.readLineContaining({kBeamKey})) {
        const int row = model.BeamDesignCount + 1;
        const int32_t member =
            toInt32(ReadValueAfter(reading, kBeamKey, false), "beam member number");
        model.BeamDesignTable.at(row, 1) = member;
        model.BeamDesignCount = static_cast<int16_t>(row);
        if (member == 0) {
            services.showMessage(reading.CurrentLine);
        }
        bool reachedEnd = false;
        model.BeamDesignTable.at(row, 2) =
            toInt32(searchValueAfter(reading, kLengthKey, reachedEnd), "beam length");
        if (reachedEnd) {
            return;
        }
    }
}

}  // namespace fp
