// Writing the numbers and places of findings.
#include "checks/finding_text.h"

#include <cstdio>

#include "model/number_text.h"

namespace fp {
namespace {

template <typename T, typename ToText>
std::string listText(const std::vector<T>& items, ToText toText) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            text += i + 1 == items.size() ? " and " : ", ";
        }
        text += toText(items[i]);
    }
    return text;
}

}  // namespace

std::string fixedText(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string shortText(double value) {
    return valueText(static_cast<float>(value));
}

std::string levelName(const ListingDocument& document, int level) {
    return levelHeightText(document.levelHeight(level));
}

std::string linesText(const std::vector<long>& lines) {
    return (lines.size() == 1 ? "line " : "lines ") +
           listText(lines, [](long line) { return std::to_string(line); });
}

std::string numbersText(const std::vector<int>& numbers) {
    return listText(numbers, [](int number) { return std::to_string(number); });
}

}  // namespace fp
