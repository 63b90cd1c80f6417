// The one failure of reading or drawing a listing: what went wrong, where, and what to do.
#pragma once

#include <stdexcept>
#include <string>

namespace fp {

// Carries a statement of what went wrong and, once known, the listing line it came from.
// The message reads "<statement> (line N). <advice>", so it can be shown to a user as it is.
class ListingError : public std::runtime_error {
  public:
    explicit ListingError(std::string statement, std::string advice = {}, long line = 0);

    // A message of the program's own that is shown exactly as written, with no full stop or
    // advice added ("Change the units to Kn Meter ").
    static ListingError verbatim(std::string text);

    const std::string& statement() const { return statement_; }
    const std::string& advice() const { return advice_; }
    long line() const { return line_; }
    bool isVerbatim() const { return verbatim_; }

    // The same error tied to a listing line; an error that already names its line keeps it.
    ListingError atLine(long line) const;

  private:
    ListingError(std::string statement, std::string advice, long line, bool verbatim);

    std::string statement_;
    std::string advice_;
    long line_;
    bool verbatim_;
};

// "The listing has more than 9000 joints": a table of the document is full.
ListingError tooMany(const std::string& things, long limit);

}  // namespace fp
