// Reading the two listings of a comparison and checking the level asked for.
#include "output/compare_request.h"

#include <charconv>
#include <cmath>

#include "model/number_text.h"
#include "output/export_request.h"
#include "output/stream_messages.h"

namespace fp {
namespace {

struct ReadListing {
    std::optional<ListingDocument> document;
    std::vector<ListingMessage> messages;
};

ReadListing readOne(const std::string& path, std::ostream& err) {
    ReadListing read;
    StreamMessages messages(nullptr);
    try {
        read.document = openListing(path, messages);
    } catch (const ListingError& failure) {
        err << "frameplan: " << failure.what() << "\n";
    }
    read.messages = messages.shown();
    return read;
}

// The height in hundredths of a metre, to the nearest one, as joints are held; nothing when the
// text is no number.
std::optional<float> hundredthsFrom(const std::string& text) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return static_cast<float>(std::round(static_cast<double>(value) * 100));
}

}  // namespace

std::optional<ComparedListings> compareRequested(const CompareRequest& request, std::ostream& err) {
    std::optional<float> onlyHeight;
    if (!request.levelHeight.empty()) {
        onlyHeight = hundredthsFrom(request.levelHeight);
        if (!onlyHeight) {
            err << "frameplan compare: --level expects a height in metres, such as 7.8, not \""
                << request.levelHeight << "\"\n";
            return std::nullopt;
        }
    }
    ReadListing before = readOne(request.oldListing, err);
    ReadListing after = readOne(request.newListing, err);
    if (!before.document || !after.document) {
        return std::nullopt;
    }
    ListingComparison comparison = compareListings({*before.document, before.messages},
                                                   {*after.document, after.messages}, onlyHeight);
    if (onlyHeight && comparison.levels.empty()) {
        err << "frameplan compare: neither listing has a level at " << request.levelHeight
            << " m. The levels of " << before.document->name << " are at "
            << heightsText(*before.document) << " m, those of " << after.document->name << " at "
            << heightsText(*after.document) << " m.\n";
        return std::nullopt;
    }
    return ComparedListings{std::move(*after.document), std::move(comparison)};
}

}  // namespace fp
