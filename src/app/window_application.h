// The window's application object: a failure inside an event ends the run with its message
// instead of escaping through the event loop.
#pragma once

#include <QApplication>

#include "reader/platform_services.h"

namespace fp {

class WindowApplication : public QApplication {
  public:
    WindowApplication(int& argc, char** argv);

    // Where the message of a failure is shown.
    void setServices(PlatformServices& services) { services_ = &services; }

    bool notify(QObject* receiver, QEvent* event) override;

    // The exit status of a run ended by a failure.
    static constexpr int kFailureStatus = 2;

  private:
    PlatformServices* services_ = nullptr;
};

}  // namespace fp
