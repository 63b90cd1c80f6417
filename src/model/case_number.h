// A load-case number as the listing writes it, held once and shared by every load of its case:
// a listing may write a number of any length, and each of thousands of loads holding a copy of
// it would take memory that grows with loads times the number's length.
#pragma once

#include <compare>
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace fp {

class CaseNumber {
  public:
    CaseNumber() = default;
    // Implicit, as a text is written wherever a case number stands.
    CaseNumber(std::string text);  // NOLINT
    CaseNumber(const char* text);  // NOLINT
    explicit CaseNumber(std::string_view text);

    // The number as written; the empty text for none.
    const std::string& text() const { return text_ ? *text_ : emptyText(); }
    operator const std::string&() const { return text(); }  // NOLINT
    operator std::string_view() const { return text(); }    // NOLINT
    bool empty() const { return text().empty(); }
    std::size_t size() const { return text().size(); }
    // The number as a sentence or a label names it: shortenedListingText() to
    // kLongestAbbreviated bytes, so that the texts made for each of many loads stay short
    // however long the number is written.
    std::string abbreviated() const;

    static constexpr std::size_t kLongestAbbreviated = 40;

    // Copies of one number share their text, so they compare without reading it.
    friend bool operator==(const CaseNumber& a, const CaseNumber& b) {
        return a.text_ == b.text_ || a.text() == b.text();
    }
    friend bool operator==(const CaseNumber& a, const std::string& b) { return a.text() == b; }
    friend bool operator==(const CaseNumber& a, const char* b) { return a.text() == b; }
    friend bool operator==(const CaseNumber& a, std::string_view b) { return a.text() == b; }
    friend std::strong_ordering operator<=>(const CaseNumber& a, const CaseNumber& b) {
        return a.text_ == b.text_ ? std::strong_ordering::equal : a.text() <=> b.text();
    }

    friend std::string operator+(const std::string& a, const CaseNumber& b) { return a + b.text(); }
    friend std::string operator+(const char* a, const CaseNumber& b) { return a + b.text(); }
    friend std::string operator+(const CaseNumber& a, const std::string& b) { return a.text() + b; }
    friend std::string operator+(const CaseNumber& a, const char* b) { return a.text() + b; }
    friend std::ostream& operator<<(std::ostream& out, const CaseNumber& number) {
        return out << number.text();
    }

  private:
    static const std::string& emptyText();

    // Null for the empty number.
    std::shared_ptr<const std::string> text_;
};

}  // namespace fp
