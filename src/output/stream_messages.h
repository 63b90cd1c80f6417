// The reader's messages on the command line: kept for the output and, when asked, written to
// the error stream as they are shown, in the one form of every message and failure.
#pragma once

#include <ostream>
#include <vector>

#include "reader/message_sink.h"

namespace fp {

class StreamMessages : public MessageSink {
  public:
    // `echo` receives each message as it is shown; nullptr keeps them only.
    explicit StreamMessages(std::ostream* echo) : echo_(echo) {}

    void show(const ListingMessage& message) override {
        shown_.push_back(message);
        if (echo_ != nullptr) {
            *echo_ << "frameplan: " << message.described() << "\n";
        }
    }

    const std::vector<ListingMessage>& shown() const { return shown_; }

  private:
    std::ostream* echo_;
    std::vector<ListingMessage> shown_;
};

}  // namespace fp
