// Reading the two listings of a comparison and checking the level asked for.
#include "output/compare_request.h"

#include <future>
#include <system_error>

#include "model/number_text.h"
#include "output/export_request.h"
#include "output/stream_messages.h"

namespace fp {
namespace {

struct ReadListing {
    std::optional<ListingDocument> document;
    std::vector<ListingMessage> messages;
    std::optional<ListingError> failure;
};

ReadListing readOne(const std::string& path) {
    ReadListing read;
    StreamMessages messages(nullptr);
    try {
        read.document = openListing(path, messages);
    } catch (const ListingError& failure) {
        read.failure = failure;
    }
    read.messages = messages.shown();
    return read;
}

// The two listings, read side by side where a second thread is to be had; their failures told
// in the order of the listings.
std::pair<ReadListing, ReadListing> readBoth(const std::string& before, const std::string& after,
                                             std::ostream& err) {
    std::pair<ReadListing, ReadListing> read;
    try {
        std::future<ReadListing> earlier = std::async(std::launch::async, readOne, before);
        read.second = readOne(after);
        read.first = earlier.get();
    } catch (const std::system_error&) {
        read = {readOne(before), readOne(after)};
    }
    for (const ReadListing* one : {&read.first, &read.second}) {
        if (one->failure) {
            err << "frameplan: " << one->failure->what() << "\n";
        }
    }
    return read;
}

}  // namespace

std::optional<ComparedListings> compareRequested(const CompareRequest& request, std::ostream& err) {
    const bool levelAsked = !request.levelHeight.empty();
    // In hundredths of a metre; nothing for a height between hundredths, which no level has.
    std::optional<float> onlyHeight;
    if (levelAsked) {
        const std::optional<float> height = heightFromText(request.levelHeight);
        if (!height) {
            err << "frameplan compare: --level expects a height in metres, such as 7.8, not \""
                << request.levelHeight << "\"\n";
            return std::nullopt;
        }
        onlyHeight = exactHundredths(*height);
    }
    // Named, not bound as a structured binding, so that the lambda below may refer to them.
    std::pair<ReadListing, ReadListing> both =
        readBoth(request.oldListing, request.newListing, err);
    ReadListing& before = both.first;
    ReadListing& after = both.second;
    if (!before.document || !after.document) {
        return std::nullopt;
    }
    const auto noSuchLevel = [&] {
        err << "frameplan compare: neither listing has a level at " << request.levelHeight
            << " m. The levels of " << before.document->name << " are at "
            << heightsText(*before.document) << " m, those of " << after.document->name << " at "
            << heightsText(*after.document) << " m.\n";
        return std::nullopt;
    };
    if (levelAsked && !onlyHeight) {
        return noSuchLevel();
    }
    ListingComparison comparison = compareListings({*before.document, before.messages},
                                                   {*after.document, after.messages}, onlyHeight);
    if (levelAsked && comparison.levels.empty()) {
        return noSuchLevel();
    }
    return ComparedListings{std::move(*after.document), std::move(comparison)};
}

}  // namespace fp
