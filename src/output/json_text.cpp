// JSON string literals for any text a listing or a path may hold.
#include "output/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/text_encoding.h"

namespace fp {

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    const std::string utf8 = utf8FromListingText(text);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto code = static_cast<unsigned char>(c);
        // The C1 controls, U+0080 to U+009F: valid JSON as they stand, but a terminal showing
        // the JSON would obey them.
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if (code == 0xC2 && next >= 0x80 && next <= 0x9F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", next);
            json += escaped;
            ++i;
        } else if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (c == '\n') {
            json += "\\n";
        } else if (c == '\r') {
            json += "\\r";
        } else if (c == '\t') {
            json += "\\t";
        } else if (code < 0x20 || code == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string amountJson(double value) {
    const double rounded = std::round(value * 1000.0) / 1000.0;
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded);
    return std::string(text, written.ptr);
}

}  // namespace fp
