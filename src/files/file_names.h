// The parts of a file's path that outputs are named by: its name, its extension, and a suffix
// put before the extension. Paths are bytes, compared as written.
#pragma once

#include <string>
#include <string_view>

namespace fp {

// The last part of the path: "office.anl" of "jobs/office.anl".
std::string fileNameOf(std::string_view path);

// What follows the last dot of the file's name, in lower case: "pdf" of "plans/Level.PDF"; empty
// when the name has no dot.
std::string extensionOf(std::string_view path);

// The path with `suffix` put before the extension of its name, or at its end when the name has
// none: "plan.png" and "-4" give "plan-4.png".
std::string withSuffixBeforeExtension(std::string_view path, std::string_view suffix);

// A tag that no other file name made by this process, nor by another process, carries: the
// process's random seed and a serial number ("2823411-7").
std::string uniqueFileTag();

}  // namespace fp
