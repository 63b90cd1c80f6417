// The pages of a PDF file the program wrote, counted from its page objects.
#pragma once

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

}  // namespace fp::testing
