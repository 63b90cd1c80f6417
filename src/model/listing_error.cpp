// The one failure of reading or drawing a listing.
#include "model/listing_error.h"

namespace fp {
namespace {

// The message is read as a C string: a NUL byte of quoted listing text is written "\0" so that
// the message does not stop there.
std::string withoutNul(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        if (c == '\0') {
            shown.append("\\0");
        } else {
            shown.push_back(c);
        }
    }
    return shown;
}

std::string composeMessage(const std::string& statement, const std::string& advice, bool verbatim) {
    std::string message = withoutNul(statement);
    if (verbatim) {
        return message;
    }
    message.push_back('.');
    if (!advice.empty()) {
        message.append(" ").append(withoutNul(advice));
    }
    return message;
}

std::string compose(const std::string& statement, const std::string& advice, long line,
                    const std::string& listing, bool verbatim) {
    const std::string place = placeText(listing, line);
    const std::string message = composeMessage(statement, advice, verbatim);
    return place.empty() ? message : withoutNul(place) + ": " + message;
}

}  // namespace

std::string placeText(const std::string& listing, long line) {
    const std::string lineText = line > 0 ? "line " + std::to_string(line) : std::string();
    if (listing.empty()) {
        return lineText;
    }
    return lineText.empty() ? listing : listing + ", " + lineText;
}

ListingError::ListingError(std::string statement, std::string advice, long line)
    : ListingError(std::move(statement), std::move(advice), line, {}, false) {}

ListingError::ListingError(std::string statement, std::string advice, long line,
                           std::string listing, bool verbatim)
    : std::runtime_error(compose(statement, advice, line, listing, verbatim)),
      statement_(std::move(statement)),
      advice_(std::move(advice)),
      line_(line),
      listing_(std::move(listing)),
      verbatim_(verbatim) {}

ListingError ListingError::verbatim(std::string text) {
    return ListingError(std::move(text), {}, 0, {}, true);
}

std::string ListingError::message() const {
    return composeMessage(statement_, advice_, verbatim_);
}

ListingError ListingError::atLine(long line) const {
    return ListingError(statement_, advice_, line_ > 0 ? line_ : line, listing_, verbatim_);
}

ListingError ListingError::inListing(const std::string& name) const {
    return ListingError(statement_, advice_, line_, listing_.empty() ? name : listing_, verbatim_);
}

ListingError tooMany(const std::string& things, long limit) {
    const std::string count = std::to_string(limit);
    return ListingError("The listing has more than " + count + " " + things,
                        "FramePlan holds at most " + count + " " + things + ".");
}

}  // namespace fp
