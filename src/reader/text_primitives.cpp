// Small readers of the listing's free text: number runs, leading numbers, member lists.
#include "reader/text_primitives.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/checked_convert.h"
#include "model/model_store.h"
#include "model/run_error.h"

namespace fp {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSign(char c) {
    return c == '+' || c == '-';
}

bool isExponentLetter(char c) {
    return c == 'E' || c == 'e' || c == 'D' || c == 'd';
}

// The characters LeadingNumber passes over wherever they stand.
bool isSkippedInNumber(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Reads a text character by character, passing over blanks, tabs and line feeds.
class SkippingCursor {
  public:
    explicit SkippingCursor(std::string_view text) : text_(text) { skip(); }

    bool atEnd() const { return position_ >= text_.size(); }
    char peek() const { return text_[position_]; }
    void advance() {
        ++position_;
        skip();
    }

  private:
    void skip() {
        while (position_ < text_.size() && isSkippedInNumber(text_[position_])) {
            ++position_;
        }
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

// The exponent as written; one too long for a long only needs to be known as huge.
long exponentValue(std::string_view text) {
    long value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec ==
        std::errc::result_out_of_range) {
        value = text[0] == '-' ? -1'000'000'000L : 1'000'000'000L;
    }
    return value;
}

// The decimal magnitude of a mantissa written "ddd.ddd": positive when it is 1 or more.
int mantissaMagnitude(std::string_view mantissa) {
    int magnitude = 0;
    bool beforePoint = true;
    bool seenNonZero = false;
    for (char c : mantissa) {
        if (c == '.') {
            beforePoint = false;
        } else if (beforePoint && (seenNonZero || c != '0')) {
            seenNonZero = true;
            ++magnitude;
        } else if (!beforePoint && !seenNonZero) {
            if (c != '0') {
                return magnitude;
            }
            --magnitude;
        }
    }
    return magnitude;
}

// Converts the compact number text; a value too large for a double is infinite, one too small
// is zero, so that the range checks of the conversions report it rather than a wrong value.
double parseCompact(const std::string& compact, std::size_t mantissaEnd, long exponent) {
    double value = 0;
    const auto result = std::from_chars(compact.data(), compact.data() + compact.size(), value);
    if (result.ec != std::errc::result_out_of_range) {
        return value;
    }
    const bool negative = compact[0] == '-';
    const std::string_view mantissa =
        std::string_view(compact).substr(negative ? 1 : 0, mantissaEnd - (negative ? 1 : 0));
    const bool overflow = mantissaMagnitude(mantissa) + exponent > 0;
    const double magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

// Every occurrence of `pattern` removed, scanning left to right without overlaps.
std::string removeAll(std::string_view text, std::string_view pattern) {
    std::string result;
    result.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, from)) {
        result.append(text.substr(from, at - from));
        from = at + pattern.size();
    }
    result.append(text.substr(from));
    return result;
}

// The first piece of `text` cut at single blanks that is not a number; empty when all are.
std::string_view firstNonNumberPiece(std::string_view text) {
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = text.find(' ', start);
        const std::string_view piece =
            text.substr(start, blank == std::string_view::npos ? blank : blank - start);
        if (!IsNumberToken(piece)) {
            return piece;
        }
        if (blank == std::string_view::npos) {
            return {};
        }
        start = blank + 1;
    }
}

// The whole numbers n with first <= n <= last that a "TO" adds; none when first > last.
struct MemberRange {
    int64_t first;
    int64_t last;
};

// The numbers strictly between the piece before a "TO" (as a 32-bit integer) and the piece
// after it (as a real). A range longer than a member table ends the run: it can only be a
// mistake, and writing it out would take memory without bound.
MemberRange rangeBetween(std::string_view before, std::string_view after) {
    const int32_t low = toInt32(LeadingNumber(before), "member number before \"TO\"");
    const double high = LeadingNumber(after);
    const double last = std::ceil(high) - 1;
    const double count = last - low;
    if (count > ModelStore::kMaxMembers) {
        throw RunEndingError("The member range \"" + std::string(before) + " TO " +
                                 std::string(after) + "\" lists more members than the " +
                                 std::to_string(ModelStore::kMaxMembers) + " a model can hold",
                             "Check the member list of this load statement.");
    }
    if (count < 1) {
        return {1, 0};
    }
    return {int64_t{low} + 1, static_cast<int64_t>(last)};
}

std::string joinWithBlanks(const std::vector<std::string_view>& pieces) {
    std::string text;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            text += ' ';
        }
        text.append(pieces[i]);
    }
    return text;
}

// Ends the run for a "TO" without an end on one side or with a range that is too long.
void checkRanges(const std::vector<std::string_view>& pieces) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i] != "TO") {
            continue;
        }
        if (i == 0 || i + 1 == pieces.size()) {
            throw RunEndingError("The member list \"" + joinWithBlanks(pieces) + "\" " +
                                     (i == 0 ? "starts" : "ends") + " with \"TO\"",
                                 "A member range needs a member number on both sides of \"TO\".");
        }
        rangeBetween(pieces[i - 1], pieces[i + 1]);
    }
}

}  // namespace

bool isNumberCharacter(char c) {
    return c >= '-' && c <= '9';
}

int SkipToNumber(std::string_view line, int start) {
    const int end = static_cast<int>(line.size()) + 1;
    for (int position = std::max(start, 1); position < end; ++position) {
        if (isNumberCharacter(line[static_cast<std::size_t>(position - 1)])) {
            return position;
        }
    }
    return end;
}

int SkipNumber(std::string_view line, int start) {
    const int end = static_cast<int>(line.size()) + 1;
    for (int position = std::max(start, 1); position < end; ++position) {
        if (!isNumberCharacter(line[static_cast<std::size_t>(position - 1)])) {
            return position;
        }
    }
    return end;
}

double LeadingNumber(std::string_view text) {
    SkippingCursor cursor(text);
    std::string compact;
    if (!cursor.atEnd() && isSign(cursor.peek())) {
        if (cursor.peek() == '-') {
            compact += '-';
        }
        cursor.advance();
    }
    bool anyDigit = false;
    bool seenPoint = false;
    while (!cursor.atEnd()) {
        const char c = cursor.peek();
        if (isDigit(c)) {
            anyDigit = true;
        } else if (c != '.' || seenPoint) {
            break;
        } else {
            seenPoint = true;
        }
        compact += c;
        cursor.advance();
    }
    if (!anyDigit) {
        return 0;
    }
    const std::size_t mantissaEnd = compact.size();
    long exponent = 0;
    if (!cursor.atEnd() && isExponentLetter(cursor.peek())) {
        cursor.advance();
        std::string exponentText;
        if (!cursor.atEnd() && isSign(cursor.peek())) {
            if (cursor.peek() == '-') {
                exponentText += '-';
            }
            cursor.advance();
        }
        bool anyExponentDigit = false;
        while (!cursor.atEnd() && isDigit(cursor.peek())) {
            anyExponentDigit = true;
            exponentText += cursor.peek();
            cursor.advance();
        }
        if (anyExponentDigit) {
            compact += 'e';
            compact += exponentText;
            exponent = exponentValue(exponentText);
        }
    }
    return parseCompact(compact, mantissaEnd, exponent);
}

bool IsNumberToken(std::string_view token) {
    token = trimBlanks(token);
    std::size_t i = 0;
    const std::size_t n = token.size();
    if (i < n && isSign(token[i])) {
        ++i;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < n; ++i) {
        if (isDigit(token[i])) {
            anyDigit = true;
        } else if (token[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return false;
    }
    if (i < n && isExponentLetter(token[i])) {
        ++i;
        if (i < n && isSign(token[i])) {
            ++i;
        }
        bool anyExponentDigit = false;
        for (; i < n && isDigit(token[i]); ++i) {
            anyExponentDigit = true;
        }
        if (!anyExponentDigit) {
            return false;
        }
    }
    return i == n;
}

std::vector<std::string_view> cutAtBlanks(std::string_view text) {
    std::vector<std::string_view> pieces;
    if (text.empty()) {
        return pieces;
    }
    std::size_t start = 0;
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos;
         blank = text.find(' ', start)) {
        pieces.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void ForEachMemberListPiece(std::string_view list,
                            const std::function<bool(std::string_view piece)>& visit) {
    const std::vector<std::string_view> pieces = cutAtBlanks(trimBlanks(list));
    checkRanges(pieces);
    char digits[24];
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i] != "TO") {
            if (!visit(pieces[i])) {
                return;
            }
            continue;
        }
        const MemberRange range = rangeBetween(pieces[i - 1], pieces[i + 1]);
        for (int64_t number = range.first; number <= range.last; ++number) {
            const auto written = std::to_chars(digits, digits + sizeof digits, number);
            if (!visit(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)))) {
                return;
            }
        }
    }
}

std::string ExpandMemberList(std::string_view list) {
    std::string expanded;
    ForEachMemberListPiece(list, [&expanded](std::string_view piece) {
        expanded.append(piece);
        expanded += ' ';
        return true;
    });
    return expanded;
}

std::string FirstNonNumberToken(std::string_view line) {
    if (line.find("TO ") == std::string_view::npos && line.find(" -") == std::string_view::npos) {
        return std::string(firstNonNumberPiece(line));
    }
    const std::string stripped = removeAll(removeAll(line, "TO "), " -");
    return std::string(firstNonNumberPiece(stripped));
}

}  // namespace fp
