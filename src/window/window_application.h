// The window's application object: a failure inside an event ends the run with its message
// instead of escaping through the event loop.
#pragma once

#include <QApplication>

namespace fp {

class WindowApplication : public QApplication {
  public:
    WindowApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace fp
