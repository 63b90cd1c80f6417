// A small strict JSON reader.
#include "output/json_value.h"

#include <algorithm>
#include <charconv>

namespace fp {
namespace {

// Deep enough for any file of the program's, shallow enough never to exhaust the stack.
constexpr int kDeepest = 64;

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = parseValue(0);
        skipBlanks();
        if (at_ != text_.size()) {
            fail("text after the end of the value");
        }
        return value;
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        const std::string_view before = text_.substr(0, std::min(at_, text_.size()));
        const std::size_t lineStart = before.rfind('\n');
        const std::size_t column =
            lineStart == std::string_view::npos ? before.size() + 1 : before.size() - lineStart;
        throw JsonError("not valid JSON at line " +
                        std::to_string(std::count(before.begin(), before.end(), '\n') + 1) +
                        ", column " + std::to_string(column) + ": " + what);
    }

    void skipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
    }

    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    void expect(char c) {
        if (!take(c)) {
            fail(std::string("'") + c + "' expected");
        }
    }

    bool takeWord(std::string_view word) {
        if (text_.substr(at_, word.size()) == word) {
            at_ += word.size();
            return true;
        }
        return false;
    }

    JsonValue parseValue(int depth) {
        if (depth > kDeepest) {
            fail("nested too deeply");
        }
        skipBlanks();
        if (at_ >= text_.size()) {
            fail("a value expected");
        }
        JsonValue value;
        const char c = text_[at_];
        if (c == '{') {
            ++at_;
            value.type = JsonValue::Type::Object;
            if (take('}')) {
                return value;
            }
            do {
                skipBlanks();
                std::string name = parseString();
                expect(':');
                value.members.push_back({std::move(name), parseValue(depth + 1)});
            } while (take(','));
            expect('}');
        } else if (c == '[') {
            ++at_;
            value.type = JsonValue::Type::Array;
            if (take(']')) {
                return value;
            }
            do {
                value.items.push_back(parseValue(depth + 1));
            } while (take(','));
            expect(']');
        } else if (c == '"') {
            value.type = JsonValue::Type::String;
            value.text = parseString();
        } else if (takeWord("true") || takeWord("false")) {
            value.type = JsonValue::Type::Boolean;
            value.boolean = c == 't';
        } else if (takeWord("null")) {
            value.type = JsonValue::Type::Null;
        } else {
            value.type = JsonValue::Type::Number;
            value.number = parseNumber();
        }
        return value;
    }

    double parseNumber() {
        const char* first = text_.data() + at_;
        const char* last = text_.data() + text_.size();
        // from_chars also takes "inf" and "nan", which JSON has not.
        if (*first != '-' && (*first < '0' || *first > '9')) {
            fail("a value expected");
        }
        double number = 0;
        const auto [stop, error] = std::from_chars(first, last, number);
        if (error != std::errc() || stop == first) {
            fail("a value expected");
        }
        at_ += static_cast<std::size_t>(stop - first);
        return number;
    }

    unsigned hexQuad() {
        if (at_ + 4 > text_.size()) {
            fail("four hexadecimal digits expected");
        }
        unsigned code = 0;
        const auto [stop, error] =
            std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
        if (error != std::errc() || stop != text_.data() + at_ + 4) {
            fail("four hexadecimal digits expected");
        }
        at_ += 4;
        return code;
    }

    static void appendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string parseString() {
        if (at_ >= text_.size() || text_[at_] != '"') {
            fail("a string expected");
        }
        ++at_;
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) {
                fail("a control character in a string");
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) {
                break;
            }
            const char escaped = text_[at_++];
            switch (escaped) {
                case '"':
                case '\\':
                case '/':
                    out += escaped;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned code = hexQuad();
                    if (code >= 0xD800 && code < 0xDC00 && takeWord("\\u")) {
                        const unsigned low = hexQuad();
                        if (low < 0xDC00 || low >= 0xE000) {
                            fail("a lone surrogate");
                        }
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xD800 && code < 0xE000) {
                        fail("a lone surrogate");
                    }
                    appendUtf8(out, code);
                    break;
                }
                default:
                    fail("an unknown escape");
            }
        }
        if (at_ >= text_.size()) {
            fail("a string not closed");
        }
        ++at_;
        return out;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view name) const {
    for (const JsonMember& each : members) {
        if (each.name == name) {
            return &each.value;
        }
    }
    return nullptr;
}

std::string JsonValue::textOf(std::string_view name) const {
    const JsonValue* value = member(name);
    return value != nullptr && value->type == Type::String ? value->text : std::string();
}

JsonValue parseJson(std::string_view text) {
    return Parser(text).document();
}

}  // namespace fp
