// The reader's services on the command line.
#include "app/cli_services.h"

namespace fp {

void CommandLineServices::showMessage(const std::string& text) {
    messages_.push_back(text);
    if (echo_ != nullptr) {
        *echo_ << "frameplan: message: " << text << "\n";
    }
}

}  // namespace fp
