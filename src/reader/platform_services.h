// What the reader needs of its host: the window and the command line each provide these.
#pragma once

#include <string>

namespace fp {

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // Asks for the listing to read; the empty text when the user cancels.
    virtual std::string chooseListingFile(const std::string& filter) = 0;
    // Shows the chosen path as the window's caption.
    virtual void setCaption(const std::string& caption) = 0;
    // A message the user must acknowledge (one OK button, the program's title as caption).
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace fp
