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

std::optional<float> heightFromText(std::string_view text) {
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> exactHundredths(float metresValue) {
    const double hundredths = std::round(static_cast<double>(metresValue) * 100);
    if (static_cast<float>(metres(hundredths)) != metresValue) {
        return std::nullopt;
    }
    return static_cast<float>(hundredths);
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
