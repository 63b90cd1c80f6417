// The pieces of a uniform member-load statement: the kind of each echo line, the member list
// gathered over continuation lines, and the intensity after "UNI GY ".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fp {

// What a statement line is, by its keyword: the first piece that is not a number once every
// "TO " and then every " -" has been removed; an empty piece gives the empty keyword.
enum class StatementKind {
    MemberList,  // no keyword: numbers only, or an empty piece
    Uniform,     // the keyword "UNI"
    Other,       // any other keyword
};

// The kind of a statement line; `scratch` is reused between calls so that reading a long
// listing allocates nothing per line.
StatementKind statementKind(std::string_view line, std::string& scratch);

// The part of a line a statement gathers: from two characters after its first "." (from its
// second character when it has none).
std::string_view gatheredPart(std::string_view line);

// The intensity text after "UNI GY " at `at` (0-based): up to the first blank that follows a
// digit, so that the numbers of a partial load («UNI GY -10 2 3») are not read into it.
std::string_view intensityText(std::string_view line, std::size_t at);

// The text of one statement, gathered over its lines with every "-" removed. Once the member
// list is settled by what has been gathered (it holds "UNI GY", or a piece that cannot be a
// member number), later text is not kept, so a statement that never ends stays small.
class GatheredMemberList {
  public:
    void clear();
    void append(std::string_view part);
    // The member list: the gathered text before its first "UNI GY".
    std::string_view memberList() const { return textBefore(kUniform); }
    // The gathered text before the first `key`, all of it when it has none.
    std::string_view textBefore(std::string_view key) const;
    // True when the gathered text has grown past what any member list needs.
    bool overlong() const { return text_.size() > kLongest; }
    // The length of the text gathered so far: where the next part will start.
    std::size_t size() const { return text_.size(); }

    static constexpr std::size_t kLongest = std::size_t{1} << 20;
    static constexpr std::string_view kUniform = "UNI GY";

  private:
    void settleWhenKnown();

    std::string text_;
    bool settled_ = false;
    std::size_t nextCheck_ = kFirstCheck;

    static constexpr std::size_t kFirstCheck = std::size_t{1} << 16;
};

}  // namespace fp
