// The job a listing belongs to, as its input's job information block names it.
#pragma once

#include <string>
#include <string_view>

namespace fp {

// Each field as written after its keyword, blanks at the ends left off; empty where the listing
// does not say.
struct JobInformation {
    std::string name;      // "JOB NAME"
    std::string number;    // "JOB NO"
    std::string client;    // "JOB CLIENT"
    std::string engineer;  // "ENGINEER NAME"
    std::string checker;   // "CHECKER NAME"
};

// Reads the job information block from the input echo: the lines from "START JOB INFORMATION"
// to "END JOB INFORMATION" (or the "UNIT" line, where the block is not closed), among the first
// lines of the listing.
class JobInformationReader {
  public:
    // The block stands before the first commands; past this listing line it is not looked for.
    static constexpr long kLastLine = 400;

    // An echo line's input, after its echo number, at listing line `line`.
    void take(std::string_view input, long line);
    const JobInformation& job() const { return job_; }

  private:
    JobInformation job_;
    bool inBlock_ = false;
    bool ended_ = false;
};

}  // namespace fp
