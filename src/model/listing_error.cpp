// The one failure of reading or drawing a listing.
#include "model/listing_error.h"

namespace fp {
namespace {

// The message is read as a C string: a NUL byte of quoted listing text is written "\0" so that
// the message does not stop there.
void appendWithoutNul(std::string& message, const std::string& text) {
    for (const char c : text) {
        if (c == '\0') {
            message.append("\\0");
        } else {
            message.push_back(c);
        }
    }
}

std::string compose(const std::string& statement, const std::string& advice, long line,
                    bool verbatim) {
    std::string message;
    appendWithoutNul(message, statement);
    if (verbatim) {
        return message;
    }
    if (line > 0) {
        message.append(" (line ").append(std::to_string(line)).append(")");
    }
    message.push_back('.');
    if (!advice.empty()) {
        message.push_back(' ');
        appendWithoutNul(message, advice);
    }
    return message;
}

}  // namespace

ListingError::ListingError(std::string statement, std::string advice, long line)
    : ListingError(std::move(statement), std::move(advice), line, false) {}

ListingError::ListingError(std::string statement, std::string advice, long line, bool verbatim)
    : std::runtime_error(compose(statement, advice, line, verbatim)),
      statement_(std::move(statement)),
      advice_(std::move(advice)),
      line_(line),
      verbatim_(verbatim) {}

ListingError ListingError::verbatim(std::string text) {
    return ListingError(std::move(text), {}, 0, true);
}

ListingError ListingError::atLine(long line) const {
    return ListingError(statement_, advice_, line_ > 0 ? line_ : line, verbatim_);
}

ListingError tooMany(const std::string& things, long limit) {
    const std::string count = std::to_string(limit);
    return ListingError("The listing has more than " + count + " " + things,
                        "FramePlan holds at most " + count + " " + things + ".");
}

}  // namespace fp
