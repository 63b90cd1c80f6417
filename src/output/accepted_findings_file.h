// The accepted findings of a listing in the file beside it, LISTING.frameplan.json, which the
// window and "frameplan check" and "frameplan accept" read and write alike.
#pragma once

#include <stdexcept>
#include <string>

#include "checks/accepted_findings.h"

namespace fp {

// A file of accepted findings that cannot be read or is not one; the message names it.
class AcceptedFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "office.anl.frameplan.json" for "office.anl", in the listing's folder.
std::string acceptedFindingsPath(const std::string& listing);

// The accepted findings of the listing; none when it has no such file. A file that cannot be
// read, or holds anything else, throws AcceptedFileError.
AcceptedFindings readAcceptedFindings(const std::string& listing);

// Writes the accepted findings beside the listing, whole or not at all (FileWriteError).
void writeAcceptedFindings(const std::string& listing, const AcceptedFindings& accepted);

// The file's text.
std::string acceptedFindingsJson(const AcceptedFindings& accepted);

}  // namespace fp
