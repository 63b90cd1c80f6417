// The reader's messages on the command line: kept for the output and, when asked, written to
// the error stream as they are shown.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "reader/message_sink.h"

namespace fp {

class StreamMessages : public MessageSink {
  public:
    // `echo` receives each message as it is shown; nullptr keeps them only.
    explicit StreamMessages(std::ostream* echo) : echo_(echo) {}

    void show(const std::string& text) override {
        shown_.push_back(text);
        if (echo_ != nullptr) {
            *echo_ << "frameplan: message: " << text << "\n";
        }
    }

    const std::vector<std::string>& shown() const { return shown_; }

  private:
    std::ostream* echo_;
    std::vector<std::string> shown_;
};

}  // namespace fp
