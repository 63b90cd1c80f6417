// The window's application object: a failure inside an event ends the run with its message
// instead of escaping through the event loop.
#pragma once

#include <QApplication>

#include "reader/message_sink.h"

namespace fp {

class WindowApplication : public QApplication {
  public:
    WindowApplication(int& argc, char** argv);

    // Where the message of a failure is shown.
    void setMessages(MessageSink& messages) { messages_ = &messages; }

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    MessageSink* messages_ = nullptr;
};

}  // namespace fp
