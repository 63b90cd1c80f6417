// Where the reader's messages go: a message box in the window, standard error on the command
// line. A message does not stop the reading.
#pragma once

#include <string>

namespace fp {

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show(const std::string& text) = 0;
};

}  // namespace fp
