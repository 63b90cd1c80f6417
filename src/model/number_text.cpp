// The texts numbers are shown in.
#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace fp {
namespace {

// Seven significant digits, trailing zeros dropped, exponent written "E+07" when needed.
std::string sevenDigits(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    std::string text = buffer;
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    if (text == "-0") {
        text = "0";
    }
    return text;
}

}  // namespace

double writtenValue(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double decimal = value;
    std::from_chars(text, written.ptr, decimal);
    return decimal;
}

std::string levelText(float metres) {
    std::string digits = sevenDigits(metres);
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative) {
        digits.erase(0, 1);
    }
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
        digits.erase(0, 1);
    }
    return (negative ? "-" : " ") + digits;
}

std::string valueText(float value, char decimalSeparator) {
    std::string text = sevenDigits(value);
    for (char& c : text) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
}

std::string jsonNumberText(float value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace fp
