// The pieces of a uniform member-load statement.
#include "reader/member_load_statement.h"

#include <algorithm>

#include "reader/text_primitives.h"

namespace fp {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every occurrence of `pattern` removed from `text`, left to right without overlaps, in place.
void removeAll(std::string& text, std::string_view pattern) {
    std::size_t kept = text.find(pattern);
    if (kept == std::string::npos) {
        return;
    }
    for (std::size_t from = kept; from < text.size();) {
        const std::size_t at = text.find(pattern, from);
        const std::size_t until = at == std::string::npos ? text.size() : at;
        std::copy(text.begin() + static_cast<std::ptrdiff_t>(from),
                  text.begin() + static_cast<std::ptrdiff_t>(until),
                  text.begin() + static_cast<std::ptrdiff_t>(kept));
        kept += until - from;
        from = at == std::string::npos ? text.size() : at + pattern.size();
    }
    text.resize(kept);
}

StatementKind kindOfFirstNonNumberPiece(std::string_view text) {
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = text.find(' ', start);
        const std::string_view piece =
            text.substr(start, blank == std::string_view::npos ? blank : blank - start);
        if (!isNumberToken(piece)) {
            if (piece.empty()) {
                return StatementKind::MemberList;
            }
            return piece == "UNI" ? StatementKind::Uniform : StatementKind::Other;
        }
        if (blank == std::string_view::npos) {
            return StatementKind::MemberList;
        }
        start = blank + 1;
    }
}

}  // namespace

StatementKind statementKind(std::string_view line, std::string& scratch) {
    // A line that starts with a word is most often a page heading. The removals cannot reach
    // that word unless it ends in "TO" or the blank after it is followed by a "-" or a "T":
    // then it is the keyword as it stands.
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    if (!word.empty() && !word.ends_with("TO") && !isNumberToken(word) &&
        (blank + 1 >= line.size() || (line[blank + 1] != '-' && line[blank + 1] != 'T'))) {
        return word == "UNI" ? StatementKind::Uniform : StatementKind::Other;
    }
    if (line.find("TO ") == std::string_view::npos && line.find(" -") == std::string_view::npos) {
        return kindOfFirstNonNumberPiece(line);
    }
    scratch.assign(line);
    removeAll(scratch, "TO ");
    removeAll(scratch, " -");
    return kindOfFirstNonNumberPiece(scratch);
}

std::string_view gatheredPart(std::string_view line) {
    const std::size_t point = line.find('.');
    const std::size_t start = point == std::string_view::npos ? 1 : point + 2;
    return start < line.size() ? line.substr(start) : std::string_view();
}

std::string_view intensityText(std::string_view line, std::size_t at) {
    if (at >= line.size()) {
        return {};
    }
    const std::string_view text = line.substr(at);
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == ' ' && isDigit(text[i - 1])) {
            return text.substr(0, i);
        }
    }
    return text;
}

void GatheredMemberList::clear() {
    text_.clear();
    settled_ = false;
    nextCheck_ = kFirstCheck;
}

void GatheredMemberList::append(std::string_view part) {
    if (settled_) {
        return;
    }
    for (const char c : part) {
        if (c != '-') {
            text_ += c;
        }
    }
    if (text_.size() >= nextCheck_) {
        settleWhenKnown();
        nextCheck_ = text_.size() * 2;
    }
}

std::string_view GatheredMemberList::textBefore(std::string_view key) const {
    const std::string_view text = text_;
    return text.substr(0, text.find(key));
}

// The member list is settled when it already holds "UNI GY" (nothing after it counts), or
// when it holds a whole piece that is neither a number nor "TO" far enough from the end that
// no "UNI GY" can still begin before it: reading the list then stops at that piece whatever
// follows it.
void GatheredMemberList::settleWhenKnown() {
    const std::size_t uniform = text_.find(kUniform);
    if (uniform != std::string::npos) {
        text_.resize(uniform);
        settled_ = true;
        return;
    }
    const std::string_view text = text_;
    const std::size_t first = text.find_first_not_of(' ');
    for (std::size_t start = first; start != std::string_view::npos && start < text.size();) {
        const std::size_t blank = text.find(' ', start);
        if (blank == std::string_view::npos || blank + kUniform.size() > text.size()) {
            return;
        }
        const std::string_view piece = text.substr(start, blank - start);
        if (piece != "TO" && !isNumberToken(piece)) {
            // A closing "0" keeps an empty piece from being trimmed away; it is never visited.
            text_.resize(blank + 1);
            text_ += '0';
            settled_ = true;
            return;
        }
        start = blank + 1;
    }
}

}  // namespace fp
