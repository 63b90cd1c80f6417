// The end of a run that needs no further message: the user cancelled, or has been told why.
#pragma once

#include <exception>
#include <string>

namespace fp {

class RunEnded : public std::exception {
  public:
    enum class Reason { Cancelled, MessageShown };

    // `shown` is the message the user has already seen (empty when cancelled).
    explicit RunEnded(Reason reason, std::string shown = {})
        : reason_(reason), shown_(std::move(shown)) {}

    Reason reason() const { return reason_; }
    const std::string& shown() const { return shown_; }
    const char* what() const noexcept override {
        return reason_ == Reason::Cancelled ? "No listing was chosen" : shown_.c_str();
    }

  private:
    Reason reason_;
    std::string shown_;
};

}  // namespace fp
