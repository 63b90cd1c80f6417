// A pass over the listing that reads it side by side with others, in one scan of the file.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reader/text_stream.h"

namespace fp {

// Each pass is handed, in file order, the lines that hold one of the keys it wants, and keeps
// its own reading state. What it has to show is kept until the scan is over, so that messages
// reach the user pass by pass, in the order the passes come in.
class SideBySidePass {
  public:
    virtual ~SideBySidePass() = default;

    // The keys of the lines the pass wants next; empty when it wants no more.
    virtual std::span<const std::string_view> keys() const = 0;
    // `line`, read from `stream`, holds one of keys(); a failure ends the pass by throwing.
    virtual void take(std::string_view line, TextStream& stream) = 0;
    // Called once the listing has been read to its end, unless the pass has failed.
    virtual void finish() {}

    const std::vector<std::string>& messages() const { return messages_; }

  protected:
    void show(std::string text) { messages_.push_back(std::move(text)); }

  private:
    std::vector<std::string> messages_;
};

}  // namespace fp
