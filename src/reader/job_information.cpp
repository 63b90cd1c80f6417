// The job information block of a listing's input echo.
#include "reader/job_information.h"

namespace fp {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

void JobInformationReader::take(std::string_view input, long line) {
    if (ended_ || line > kLastLine) {
        ended_ = true;
        return;
    }
    if (input.starts_with("START JOB INFORMATION")) {
        inBlock_ = true;
        return;
    }
    if (input.starts_with("UNIT") || (inBlock_ && input.starts_with("END JOB INFORMATION"))) {
        ended_ = true;
        return;
    }
    if (!inBlock_) {
        return;
    }
    const struct {
        std::string_view key;
        std::string* field;
    } fields[] = {{"JOB NAME ", &job_.name},
                  {"JOB NO ", &job_.number},
                  {"JOB CLIENT ", &job_.client},
                  {"ENGINEER NAME ", &job_.engineer},
                  {"CHECKER NAME ", &job_.checker}};
    for (const auto& [key, field] : fields) {
        if (input.starts_with(key) && field->empty()) {
            *field = std::string(trimmed(input.substr(key.size())));
        }
    }
}

}  // namespace fp
