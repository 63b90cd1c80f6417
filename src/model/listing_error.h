// The one failure of reading or drawing a listing: what went wrong, where, and what to do.
#pragma once

#include <stdexcept>
#include <string>

namespace fp {

// "office.anl, line 12", "office.anl", "line 12" or nothing: where a message is about.
std::string placeText(const std::string& listing, long line);

// What went wrong and what to do, and once known the listing and the line it is about. Shown to
// a user as "<listing>, line <N>: <statement>. <advice>", the one form every message takes.
class ListingError : public std::runtime_error {
  public:
    explicit ListingError(std::string statement, std::string advice = {}, long line = 0);

    // A message of the program's own that is shown exactly as written, with no full stop or
    // advice added ("Change the units to Kn Meter ").
    static ListingError verbatim(std::string text);

    const std::string& statement() const { return statement_; }
    const std::string& advice() const { return advice_; }
    long line() const { return line_; }
    const std::string& listing() const { return listing_; }
    // The message without its place.
    std::string message() const;

    // The same error tied to a listing line; an error that already names its line keeps it.
    ListingError atLine(long line) const;
    // The same error about the listing `name`; an error that already names one keeps it.
    ListingError inListing(const std::string& name) const;

  private:
    ListingError(std::string statement, std::string advice, long line, std::string listing,
                 bool verbatim);

    std::string statement_;
    std::string advice_;
    long line_;
    std::string listing_;
    bool verbatim_;
};

// "The listing has more than 9000 joints": a table of the document is full.
ListingError tooMany(const std::string& things, long limit);

}  // namespace fp
