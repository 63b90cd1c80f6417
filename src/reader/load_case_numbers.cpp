// Load-case numbers made once.
#include "reader/load_case_numbers.h"

namespace fp {

const CaseNumber& LoadCaseNumbers::ofHeader(long line, std::string_view written) {
    if (line == line_) {
        return latest_;
    }
    line_ = line;
    const auto known = made_.find(written);
    if (known != made_.end()) {
        latest_ = known->second;
    } else {
        latest_ = CaseNumber(written);
        made_.emplace(std::string_view(latest_.text()), latest_);
    }
    return latest_;
}

}  // namespace fp
