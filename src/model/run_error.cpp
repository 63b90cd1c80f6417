// The one exception that ends a run.
#include "model/run_error.h"

namespace fp {
namespace {

// The message is read as a C string: a NUL byte of quoted listing text is written "\0" so that
// the message does not stop there.
std::string withoutNul(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        shown += c == '\0' ? std::string("\\0") : std::string(1, c);
    }
    return shown;
}

std::string compose(const std::string& statement, const std::string& advice, long line) {
    std::string message = withoutNul(statement);
    if (line > 0) {
        message += " (line " + std::to_string(line) + ")";
    }
    message += ".";
    if (!advice.empty()) {
        message += " " + withoutNul(advice);
    }
    return message;
}

}  // namespace

RunEndingError::RunEndingError(std::string statement, std::string advice, long line)
    : std::runtime_error(compose(statement, advice, line)),
      statement_(std::move(statement)),
      advice_(std::move(advice)),
      line_(line) {}

RunEndingError RunEndingError::atLine(long line) const {
    return RunEndingError(statement_, advice_, line_ > 0 ? line_ : line);
}

RunEndingError tooMany(const std::string& things, long limit) {
    const std::string count = std::to_string(limit);
    return RunEndingError("The listing has more than " + count + " " + things,
                          "FramePlan holds at most " + count + " " + things + ".");
}

}  // namespace fp
