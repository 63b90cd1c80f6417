// Control characters written as the replacement character.
#include "cli/terminal_text.h"

namespace fp {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";
// The first byte of the UTF-8 form of U+0080 to U+00BF, the C1 controls among them.
constexpr unsigned char kC1LeadByte = 0xC2;

bool isControl(unsigned char byte) {
    return (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F;
}

bool isC1Continuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F;
}

}  // namespace

TerminalTextBuffer::~TerminalTextBuffer() {
    if (heldLeadByte_) {
        pass("\xC2", 1);
    }
}

bool TerminalTextBuffer::pass(const char* bytes, std::streamsize count) {
    failed_ = failed_ || behind_->sputn(bytes, count) != count;
    return !failed_;
}

bool TerminalTextBuffer::put(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (heldLeadByte_) {
        heldLeadByte_ = false;
        if (isC1Continuation(byte)) {
            return pass(kReplacement, 3);
        }
        if (!pass("\xC2", 1)) {
            return false;
        }
    }
    if (byte == kC1LeadByte) {
        heldLeadByte_ = true;
        return !failed_;
    }
    return isControl(byte) ? pass(kReplacement, 3) : pass(&c, 1);
}

TerminalTextBuffer::int_type TerminalTextBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    return put(traits_type::to_char_type(c)) ? c : traits_type::eof();
}

std::streamsize TerminalTextBuffer::xsputn(const char* text, std::streamsize count) {
    std::streamsize start = 0;
    for (std::streamsize i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!heldLeadByte_ && !isControl(byte) && byte != kC1LeadByte) {
            continue;
        }
        // Plain text before it goes on in one piece.
        if (!pass(text + start, i - start) || !put(text[i])) {
            return i;
        }
        start = i + 1;
    }
    return pass(text + start, count - start) ? count : start;
}

int TerminalTextBuffer::sync() {
    return !failed_ && behind_->pubsync() == 0 ? 0 : -1;
}

TerminalText::TerminalText(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), outBuffer_(out.rdbuf()), errBuffer_(err.rdbuf()) {
    out_.rdbuf(&outBuffer_);
    err_.rdbuf(&errBuffer_);
}

TerminalText::~TerminalText() {
    out_.flush();
    err_.flush();
    out_.rdbuf(outBuffer_.behind());
    err_.rdbuf(errBuffer_.behind());
}

}  // namespace fp
