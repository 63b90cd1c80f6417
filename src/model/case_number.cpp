// Load-case numbers held once.
#include "model/case_number.h"

#include "model/text_encoding.h"

namespace fp {

CaseNumber::CaseNumber(std::string text)
    : text_(text.empty() ? nullptr : std::make_shared<const std::string>(std::move(text))) {}

CaseNumber::CaseNumber(const char* text) : CaseNumber(std::string(text)) {}

CaseNumber::CaseNumber(std::string_view text) : CaseNumber(std::string(text)) {}

std::string CaseNumber::abbreviated() const {
    return shortenedListingText(text(), kLongestAbbreviated);
}

const std::string& CaseNumber::emptyText() {
    static const std::string empty;
    return empty;
}

}  // namespace fp
