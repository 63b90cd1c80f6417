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

// Reads the job information block from the input echo at the top of `text`: the lines from
// "START JOB INFORMATION" to "END JOB INFORMATION" (or the "UNIT" line, where the block is not
// closed). A listing without the block gives empty fields.
JobInformation jobInformationIn(std::string_view text);

// The same from the listing at `path`, reading no further than the block's end; empty fields
// when the file cannot be read.
JobInformation jobInformationOf(const std::string& path);

}  // namespace fp
