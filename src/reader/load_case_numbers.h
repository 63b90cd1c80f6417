// The load-case numbers of a listing's headers, each text held once for every pass and every
// load that names it.
#pragma once

#include <string_view>
#include <unordered_map>

#include "model/case_number.h"

namespace fp {

class LoadCaseNumbers {
  public:
    // The number written in the header at listing line `line`. Passes that read the same header
    // side by side, and headers that repeat a number, get the one number made the first time.
    const CaseNumber& ofHeader(long line, std::string_view written);

  private:
    long line_ = 0;
    CaseNumber latest_;
    // Keyed by the numbers' own texts, which live as long as the numbers do.
    std::unordered_map<std::string_view, CaseNumber> made_;
};

}  // namespace fp
