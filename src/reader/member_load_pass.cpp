// The distinct downward uniform member loads.
#include "reader/member_load_pass.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/listing_error.h"
#include "reader/text_primitives.h"

namespace fp {
namespace {

constexpr std::string_view kSectionKey = "MEMBER LOAD";
constexpr std::string_view kUniformKey = "UNI GY";
constexpr std::string_view kDownwardKey = "UNI GY -";
constexpr std::size_t kIntensityOffset = 7;  // "UNI GY " and then the value
constexpr std::string_view kStatementKey = "UNI";
// The keyword as a piece of a statement line, after the member list.
constexpr std::string_view kStatementWord = " UNI ";
// A member list that no plan shows is told up to this many characters.
constexpr std::size_t kLongestMemberText = 80;
constexpr std::string_view kHeaderKey = "LOADTYPE";
constexpr std::array<std::string_view, 2> kSectionSearch = {kSectionKey, kHeaderKey};
constexpr std::array<std::string_view, 2> kStatementSearch = {kStatementKey, kHeaderKey};

// The message for the first piece of the member list that is not a member number.
std::string memberListMessage(long index, std::string_view piece, std::string_view before,
                              std::string_view line) {
    return std::to_string(index) + " Error : " + std::string(piece) + ", " + std::string(before) +
           "( " + std::string(line) + ")";
}

// A page heading («ALL UNITS ARE -- KN  METE»), or any line not of the input echo, may fall
// inside a statement wherever the analysis starts a page: it neither continues nor ends it.
bool isEchoLine(std::string_view trimmed) {
    return !trimmed.empty() && trimmed.front() >= '0' && trimmed.front() <= '9';
}

}  // namespace

std::span<const std::string_view> MemberLoadPass::keys() const {
    return inSection_ ? kStatementSearch : kSectionSearch;
}

void MemberLoadPass::take(std::string_view line, TextStream& stream) {
    if (line.find(kHeaderKey) != std::string_view::npos) {
        byMember_.takeHeader(line, stream.lineNumber());
    }
    // A header alone changes nothing else: the lines between statements are gathered as before.
    if (line.find(inSection_ ? kStatementKey : kSectionKey) == std::string_view::npos) {
        return;
    }
    if (inSection_) {
        if (!isEchoLine(trimBlanks(line))) {
            return;
        }
        currentLine_.assign(trimBlanks(line));
        takeStatementLine(stream);
    } else {
        inSection_ = true;
        clearGathered();
    }
    notGatheredFrom_ = stream.nextLineOffset();
}

void MemberLoadPass::clearGathered() {
    gathered_.clear();
    gatheredLines_.clear();
}

void MemberLoadPass::gather(std::string_view line, long lineNumber) {
    gatheredLines_.push_back({gathered_.size(), lineNumber});
    gathered_.append(gatheredPart(line));
    if (gathered_.overlong()) {
        throw ListingError("A member-load statement runs on for more than " +
                               std::to_string(GatheredMemberList::kLongest) +
                               " characters of member numbers",
                           "Check that the statement ends with its \"UNI GY\" load.");
    }
}

void MemberLoadPass::takeStatementLine(TextStream& stream) {
    const StatementKind kind = statementKind(currentLine_, scratch_);
    if (kind == StatementKind::Other) {
        clearGathered();
        return;
    }
    // The lines between are numbered back from the current line once they are counted.
    const long lineNumber = stream.lineNumber();
    long between = 0;
    std::size_t firstBetween = gatheredLines_.size();
    stream.forEachLineBetween(notGatheredFrom_, stream.lineOffset(), [&](std::string_view line) {
        // A line without "UNI" cannot hold "UNI GY -", so unless it continues the member list
        // it starts the statement afresh, even when its keyword reads "UNI" («5 UTO NI»).
        const std::string_view statement = trimBlanks(line);
        if (!isEchoLine(statement)) {
            ++between;
            return;
        }
        if (statementKind(statement, scratch_) == StatementKind::MemberList) {
            gather(statement, between);
        } else {
            clearGathered();
            firstBetween = 0;
        }
        ++between;
    });
    for (std::size_t i = firstBetween; i < gatheredLines_.size(); ++i) {
        gatheredLines_[i].line += lineNumber - between;
    }
    gather(currentLine_, lineNumber);
    if (kind == StatementKind::MemberList) {
        return;
    }
    if (currentLine_.find(kDownwardKey) == std::string::npos) {
        keepUnshownLoad(lineNumber);
    } else if (!keepDownwardLoad()) {
        inSection_ = false;
    }
    clearGathered();
}

void MemberLoadPass::keepUnshownLoad(long lineNumber) {
    const std::size_t keyword = currentLine_.find(kStatementWord);
    if (keyword == std::string::npos) {
        return;
    }
    const std::string_view load = std::string_view(currentLine_).substr(keyword + 1);
    const std::size_t directionEnd = load.find(' ', kStatementKey.size() + 1);
    if (directionEnd == std::string_view::npos) {
        return;
    }
    const std::string_view direction =
        load.substr(kStatementKey.size() + 1, directionEnd - kStatementKey.size() - 1);
    const double value = leadingNumber(intensityText(load, directionEnd + 1));
    // A statement that reads as no load at all applies none.
    if (value == 0 || !std::isfinite(value)) {
        return;
    }
    std::string members(trimBlanks(gathered_.textBefore(kStatementKey)));
    if (members.size() > kLongestMemberText) {
        members.resize(kLongestMemberText);
        members += " ...";
    }
    unshown_.add(UnshownMemberLoad{byMember_.caseNumber(), std::move(members), std::string(load),
                                   direction == "GY" && value > 0, lineNumber});
}

long MemberLoadPass::lineOfPiece(std::string_view piece) const {
    const auto offset = static_cast<std::size_t>(piece.data() - gathered_.memberList().data());
    const auto after =
        std::upper_bound(gatheredLines_.begin(), gatheredLines_.end(), offset,
                         [](std::size_t at, const GatheredLine& line) { return at < line.offset; });
    return after == gatheredLines_.begin() ? 0 : std::prev(after)->line;
}

// A downward statement is complete on the current line: checks its member list and keeps its load.
// False when the rest of the section is to be passed over: the load reads as zero or more,
// or the member list holds a piece that is not a number (which is shown).
bool MemberLoadPass::keepDownwardLoad() {
    const std::size_t uniform = currentLine_.find(kUniformKey);
    const std::string_view text = intensityText(currentLine_, uniform + kIntensityOffset);
    const float w = static_cast<float>(leadingNumber(text));
    if (!std::isfinite(w)) {
        throw ListingError("The member load \"" + std::string(text) + "\" is too large to be held",
                           "Check the member-load statement.");
    }
    if (!(w < 0)) {
        return false;
    }
    long index = 0;
    std::string before;
    long beforeLine = 0;
    std::string bad;
    bool allNumbers = true;
    byMember_.startStatement();
    // The numbers a range adds are counted, and taken by member as far as the table has room.
    forEachMemberListPart(
        gathered_.memberList(),
        [&](std::string_view piece) {
            if (!isNumberToken(piece)) {
                bad = piece;
                allNumbers = false;
                return false;
            }
            before = piece;
            beforeLine = lineOfPiece(piece);
            byMember_.addMember(piece, beforeLine);
            ++index;
            return true;
        },
        [&](int64_t first, int64_t last) {
            index += static_cast<long>(last - first + 1);
            byMember_.addRange(first, last, beforeLine);
            before = std::to_string(last);
            return true;
        });
    if (!allNumbers) {
        show(memberListMessage(index, bad, before, currentLine_));
        return false;
    }
    values_.addIfAbsent(std::fabs(w));
    if (auto full = byMember_.keep(std::fabs(w))) {
        show(std::move(*full));
    }
    return true;
}

}  // namespace fp
