// The pages of a PDF file the program wrote, counted from its page objects, and a page's text as
// a PDF reader reads it.
#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

namespace fp::testing {

inline int pdfPageCount(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    // "/Type /Page" but not "/Type /Pages", the page tree.
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(
        std::sregex_iterator(content.begin(), content.end(), page), std::sregex_iterator()));
}

// The text of page `page` (from 1) as poppler's pdftotext lays it out; empty when it cannot.
inline std::string pdfPageText(const std::string& path, int page) {
    const std::string command = "pdftotext -q -layout -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " '" + path + "' -";
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, got);
        }
        pclose(pipe);
    }
    return text;
}

}  // namespace fp::testing
