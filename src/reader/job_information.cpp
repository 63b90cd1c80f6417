// The job information block of a listing's input echo.
#include "reader/job_information.h"

#include <fstream>

namespace fp {
namespace {

// The block stands before the first commands; past this many lines it is not looked for.
constexpr int kMostLinesBefore = 400;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The echoed command: the line without its echo number ("   5. JOB NO 24-117" gives "JOB NO
// 24-117"); empty for a line that is no echo.
std::string_view command(std::string_view line) {
    const std::string_view text = trimmed(line);
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    if (digits == 0 || digits >= text.size() || text[digits] != '.') {
        return {};
    }
    return trimmed(text.substr(digits + 1));
}

// Reads one line into the fields; false once the block has ended.
bool readLine(std::string_view line, bool& inBlock, JobInformation& job) {
    const std::string_view echoed = command(line);
    if (echoed.starts_with("START JOB INFORMATION")) {
        inBlock = true;
        return true;
    }
    if (echoed.starts_with("UNIT")) {
        return false;
    }
    if (echoed.starts_with("END JOB INFORMATION")) {
        return !inBlock;
    }
    if (!inBlock) {
        return true;
    }
    const struct {
        std::string_view key;
        std::string* field;
    } fields[] = {{"JOB NAME ", &job.name},
                  {"JOB NO ", &job.number},
                  {"JOB CLIENT ", &job.client},
                  {"ENGINEER NAME ", &job.engineer},
                  {"CHECKER NAME ", &job.checker}};
    for (const auto& [key, field] : fields) {
        if (echoed.starts_with(key) && field->empty()) {
            *field = std::string(trimmed(echoed.substr(key.size())));
        }
    }
    return true;
}

}  // namespace

JobInformation jobInformationIn(std::string_view text) {
    JobInformation job;
    bool inBlock = false;
    int lines = 0;
    while (!text.empty() && lines++ < kMostLinesBefore) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (!readLine(line, inBlock, job)) {
            break;
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return job;
}

JobInformation jobInformationOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string top;
    std::string line;
    for (int lines = 0; lines < kMostLinesBefore && std::getline(in, line); ++lines) {
        top += line;
        top += '\n';
        if (command(line).starts_with("END JOB INFORMATION")) {
            break;
        }
    }
    return jobInformationIn(top);
}

}  // namespace fp
