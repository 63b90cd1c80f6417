// The window's platform services: the file-open dialog, the caption and modal messages.
#pragma once

#include <QString>
#include <string>

#include "reader/platform_services.h"

class QWidget;

namespace fp {

// The program's title, the caption of every message box.
inline const QString kProgramTitle = QStringLiteral("FramePlan");

class WindowServices : public PlatformServices {
  public:
    // A listing named on the command line is taken instead of asking.
    explicit WindowServices(std::string listingFromCommandLine);

    // The window that takes the caption and owns the message boxes.
    void setWindow(QWidget& window) { window_ = &window; }

    std::string chooseListingFile(const std::string& filter) override;
    void setCaption(const std::string& caption) override;
    // Modal, one OK button, no icon.
    void showMessage(const std::string& text) override;

  private:
    QWidget* window_ = nullptr;
    std::string listingFromCommandLine_;
};

}  // namespace fp
