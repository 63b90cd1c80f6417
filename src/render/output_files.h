// Output files written whole or not at all, under exactly the names given.
#pragma once

#include <QByteArray>
#include <stdexcept>
#include <string>
#include <vector>

namespace fp {

// A file that could not be written; its message names the file and says why.
class OutputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct OutputFile {
    // As given: bytes in the platform's file-name encoding, which need not be UTF-8.
    std::string path;
    QByteArray bytes;
};

// Writes every file beside its place under a temporary name, and only when all are written puts
// them in place; a failure removes what was written and throws OutputError naming the file. A
// place that is not a regular file (a device, a pipe) is written to directly.
void writeWhole(const std::vector<OutputFile>& files);

}  // namespace fp
