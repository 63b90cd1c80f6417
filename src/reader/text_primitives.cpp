// Small readers of the listing's free text: number runs, leading numbers, member lists.
#include "reader/text_primitives.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/listing_error.h"
#include "model/rounding.h"

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

// The characters leadingNumber passes over wherever they stand.
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

// Follows a token character by character through the number grammar: an optional sign, digits
// with at most one point, an optional exponent of a letter, an optional sign and digits.
class NumberShape {
  public:
    void add(char c) { state_ = next(state_, c); }
    bool isNumber() const {
        return state_ == State::Digits || state_ == State::PointDigits ||
               state_ == State::ExponentDigits;
    }

  private:
    enum class State {
        Start,
        Sign,
        Digits,
        Point,
        PointDigits,
        Exponent,
        ExponentSign,
        ExponentDigits,
        Invalid
    };

    static State next(State state, char c) {
        const bool digit = isDigit(c);
        switch (state) {
            case State::Start:
                return digit       ? State::Digits
                       : isSign(c) ? State::Sign
                       : c == '.'  ? State::Point
                                   : State::Invalid;
            case State::Sign:
                return digit ? State::Digits : c == '.' ? State::Point : State::Invalid;
            case State::Digits:
                return digit                 ? State::Digits
                       : c == '.'            ? State::PointDigits
                       : isExponentLetter(c) ? State::Exponent
                                             : State::Invalid;
            case State::Point:
                return digit ? State::PointDigits : State::Invalid;
            case State::PointDigits:
                return digit                 ? State::PointDigits
                       : isExponentLetter(c) ? State::Exponent
                                             : State::Invalid;
            case State::Exponent:
                return digit       ? State::ExponentDigits
                       : isSign(c) ? State::ExponentSign
                                   : State::Invalid;
            case State::ExponentSign:
            case State::ExponentDigits:
                return digit ? State::ExponentDigits : State::Invalid;
            case State::Invalid:
                break;
        }
        return State::Invalid;
    }

    State state_ = State::Start;
};

// The whole numbers n with first <= n <= last that a "TO" adds; none when first > last.
struct MemberRange {
    int64_t first;
    int64_t last;
};

// The numbers strictly between the piece before a "TO" (as a 32-bit integer) and the piece
// after it (as a real). Each is a member number, so a range reaching past the 32-bit range ends
// the reading.
MemberRange rangeBetween(std::string_view before, std::string_view after) {
    const int32_t low = roundToInt32(leadingNumber(before), "member number before \"TO\"");
    const double last = std::ceil(leadingNumber(after)) - 1;
    if (last - low < 1) {
        return {1, 0};
    }
    if (last > std::numeric_limits<int32_t>::max()) {
        throw ListingError("The member range \"" + std::string(before) + " TO " +
                               std::string(after) + "\" reaches past the member numbers " +
                               "the program can hold",
                           "Member numbers must lie within -2147483648 to 2147483647.");
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

// Ends the reading for a "TO" without an end on one side or with a range that cannot be held.
void checkRanges(const std::vector<std::string_view>& pieces) {
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i] != "TO") {
            continue;
        }
        if (i == 0 || i + 1 == pieces.size()) {
            throw ListingError("The member list \"" + joinWithBlanks(pieces) + "\" " +
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

int skipToNumber(std::string_view line, int start) {
    const int end = static_cast<int>(line.size()) + 1;
    for (int position = std::max(start, 1); position < end; ++position) {
        if (isNumberCharacter(line[static_cast<std::size_t>(position - 1)])) {
            return position;
        }
    }
    return end;
}

int skipNumber(std::string_view line, int start) {
    const int end = static_cast<int>(line.size()) + 1;
    for (int position = std::max(start, 1); position < end; ++position) {
        if (!isNumberCharacter(line[static_cast<std::size_t>(position - 1)])) {
            return position;
        }
    }
    return end;
}

double leadingNumber(std::string_view text) {
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

bool isNumberToken(std::string_view token) {
    NumberShape shape;
    for (char c : trimBlanks(token)) {
        shape.add(c);
    }
    return shape.isNumber();
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

void forEachMemberListPart(std::string_view list,
                           const std::function<bool(std::string_view piece)>& piece,
                           const std::function<bool(int64_t first, int64_t last)>& range) {
    const std::vector<std::string_view> pieces = cutAtBlanks(trimBlanks(list));
    checkRanges(pieces);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i] != "TO") {
            if (!piece(pieces[i])) {
                return;
            }
            continue;
        }
        const MemberRange added = rangeBetween(pieces[i - 1], pieces[i + 1]);
        if (added.first <= added.last && !range(added.first, added.last)) {
            return;
        }
    }
}

}  // namespace fp
