// The one exception that ends a run.
#include "model/run_error.h"

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

std::string compose(const std::string& statement, const std::string& advice, long line) {
    std::string message;
    appendWithoutNul(message, statement);
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
