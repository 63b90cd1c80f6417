// Recognising load-case headers.
#include "reader/load_case_header.h"

#include "reader/text_primitives.h"

namespace fp {

bool isLoadCaseHeader(const std::vector<std::string_view>& pieces) {
    return pieces.size() >= 6 && pieces[1] == "LOAD" && pieces[3] == "LOADTYPE";
}

std::optional<std::string_view> loadCaseNumber(std::string_view line) {
    const std::vector<std::string_view> pieces = cutAtBlanks(trimBlanks(line));
    if (!isLoadCaseHeader(pieces)) {
        return std::nullopt;
    }
    return pieces[2];
}

}  // namespace fp
