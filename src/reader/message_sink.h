// Where the reader's messages go: a message box in the window, standard error on the command
// line. A message does not stop the reading.
#pragma once

#include <string>

#include "model/listing_error.h"

namespace fp {

// A message as the program has always shown it, and where in which listing it is about.
struct ListingMessage {
    std::string text;
    std::string listing;
    long line = 0;

    // "office.anl, line 48: 2 Error : , 12( 48. 15 UNI GY -3)": the one form of every message.
    std::string described() const {
        const std::string place = placeText(listing, line);
        return place.empty() ? text : place + ": " + text;
    }
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show(const ListingMessage& message) = 0;
};

}  // namespace fp
