// The one exception that ends a run: a listing the program cannot hold or read.
#pragma once

#include <stdexcept>
#include <string>

namespace fp {

// Carries a statement of what went wrong and, once known, the listing line it came from.
// The message reads "<statement> (line N). <advice>", so it can be shown to a user as it is.
class RunEndingError : public std::runtime_error {
  public:
    explicit RunEndingError(std::string statement, std::string advice = {}, long line = 0);

    const std::string& statement() const { return statement_; }
    const std::string& advice() const { return advice_; }
    long line() const { return line_; }

    // The same error tied to a listing line; an error that already names its line keeps it.
    RunEndingError atLine(long line) const;

  private:
    std::string statement_;
    std::string advice_;
    long line_;
};

// "The listing has more than 9000 joints": a fixed table of the model store is full.
RunEndingError tooMany(const std::string& things, long limit);

}  // namespace fp
