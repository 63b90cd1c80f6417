// Listing text as strictly valid UTF-8.
#include "model/text_encoding.h"

#include <cstdint>

namespace fp {
namespace {

// The characters of Windows-1252's bytes 0x80 to 0x9F; the undefined ones keep their number.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence starting at `at`, or 0: no overlong forms, no
// surrogates, nothing past U+10FFFF.
std::size_t validSequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const std::size_t left = text.size() - at;
    const unsigned char lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF) {
        return left >= 2 && isContinuation(byte(1)) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (left < 3 || !isContinuation(byte(1)) || !isContinuation(byte(2))) {
            return 0;
        }
        const bool overlong = lead == 0xE0 && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && byte(1) > 0x9F;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (left < 4 || !isContinuation(byte(1)) || !isContinuation(byte(2)) ||
            !isContinuation(byte(3))) {
            return 0;
        }
        const bool overlong = lead == 0xF0 && byte(1) < 0x90;
        const bool beyondUnicode = lead == 0xF4 && byte(1) > 0x8F;
        return overlong || beyondUnicode ? 0 : 4;
    }
    return 0;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string utf8FromListingText(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            text += static_cast<char>(byte);
            ++at;
            continue;
        }
        if (const std::size_t length = validSequenceLength(bytes, at)) {
            text.append(bytes.substr(at, length));
            at += length;
            continue;
        }
        appendUtf8(text, byte < 0xA0 ? kWindows1252High[byte - 0x80] : char32_t{byte});
        ++at;
    }
    return text;
}

std::string shortenedListingText(std::string_view bytes, std::size_t longest) {
    if (bytes.size() <= longest) {
        return std::string(bytes);
    }
    // Only a UTF-8 character that the cut would split is left out whole (it is at most 4 bytes
    // long); other bytes are Windows-1252 characters of their own.
    std::size_t cut = longest;
    while (cut > 0 && longest - cut < 3 && isContinuation(static_cast<unsigned char>(bytes[cut]))) {
        --cut;
    }
    if (cut != longest && validSequenceLength(bytes, cut) <= longest - cut) {
        cut = longest;
    }
    return std::string(bytes.substr(0, cut)) + "\u2026";
}

}  // namespace fp
