// Member and joint lists as an input file writes them.
#include "member_lists.h"

namespace gen {

std::vector<std::string> compressedList(const std::vector<int>& numbers) {
    std::vector<std::string> pieces;
    for (std::size_t first = 0; first < numbers.size();) {
        std::size_t last = first;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) {
            ++last;
        }
        if (last - first >= 2) {
            pieces.push_back(std::to_string(numbers[first]) + " TO " +
                             std::to_string(numbers[last]));
        } else {
            for (std::size_t i = first; i <= last; ++i) {
                pieces.push_back(std::to_string(numbers[i]));
            }
        }
        first = last + 1;
    }
    return pieces;
}

std::vector<std::string> wrappedStatement(const std::vector<std::string>& pieces,
                                          const std::string& ending, std::size_t width) {
    std::vector<std::string> lines;
    std::string current;
    for (const std::string& piece : pieces) {
        if (!current.empty() && current.size() + 1 + piece.size() > width) {
            lines.push_back(current + " -");
            current.clear();
        }
        current += (current.empty() ? "" : " ") + piece;
    }
    lines.push_back(current + ending);
    return lines;
}

}  // namespace gen
