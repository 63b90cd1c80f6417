// The reader's services on the command line: the listing named in the arguments, messages
// recorded for the output and, when asked, echoed to the error stream.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "reader/platform_services.h"

namespace fp {

class CommandLineServices : public PlatformServices {
  public:
    // `echo` receives each message as it is shown; nullptr keeps them recorded only.
    CommandLineServices(std::string listing, std::ostream* echo)
        : listing_(std::move(listing)), echo_(echo) {}

    std::string chooseListingFile(const std::string&) override { return listing_; }
    void setCaption(const std::string&) override {}
    void showMessage(const std::string& text) override;

    const std::vector<std::string>& messages() const { return messages_; }
    bool echoes() const { return echo_ != nullptr; }

  private:
    std::string listing_;
    std::ostream* echo_;
    std::vector<std::string> messages_;
};

}  // namespace fp
