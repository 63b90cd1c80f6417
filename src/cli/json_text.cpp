// JSON string literals for any text a listing or a path may hold.
#include "cli/json_text.h"

#include <cstdio>

#include "model/text_encoding.h"

namespace fp {

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : utf8FromListingText(text)) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
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

}  // namespace fp
