// Text for a terminal. A listing's bytes reach the program's output (titles, case numbers, the
// lines its messages quote), and a terminal obeys the control characters among them: an ESC
// starts a command that may recolour, clear or retitle it. Text commands show each such
// character as the replacement character, as the drawings do.
#pragma once

#include <ostream>
#include <streambuf>

namespace fp {

// A stream buffer in front of another that passes UTF-8 text through with every control
// character but line feed and tab (C0, DEL, and the C1 controls U+0080 to U+009F) written as
// U+FFFD. Nothing is held back but the first byte of a character that may be a C1 control; a
// failure of the buffer behind it is its own.
class TerminalTextBuffer : public std::streambuf {
  public:
    explicit TerminalTextBuffer(std::streambuf* behind) : behind_(behind) {}
    // Writes a byte still held back.
    ~TerminalTextBuffer() override;

    std::streambuf* behind() const { return behind_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

  private:
    bool put(char c);
    bool pass(const char* bytes, std::streamsize count);

    std::streambuf* behind_;
    bool heldLeadByte_ = false;
    bool failed_ = false;
};

// While it lives, `out` and `err` write through a TerminalTextBuffer each.
class TerminalText {
  public:
    TerminalText(std::ostream& out, std::ostream& err);
    ~TerminalText();
    TerminalText(const TerminalText&) = delete;
    TerminalText& operator=(const TerminalText&) = delete;

  private:
    std::ostream& out_;
    std::ostream& err_;
    TerminalTextBuffer outBuffer_;
    TerminalTextBuffer errBuffer_;
};

}  // namespace fp
