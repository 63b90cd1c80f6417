// Small readers of the listing's free text: number runs, leading numbers, member lists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fp {

// "-", ".", "/" and the digits: the characters a number run is made of.
bool isNumberCharacter(char c);

// Positions count from 1; a position past the end is the line's length plus 1.
// The position of the next number character at or after `start`.
int skipToNumber(std::string_view line, int start);
// The position just past the run of number characters that starts at or after `start`.
int skipNumber(std::string_view line, int start);

// The number the text starts with; blanks, tabs and line feeds are skipped anywhere in it;
// 0 when no digit is read. "46. 1 TO 5" gives 46.1, "2/3" gives 2, "1.5E-03" gives 0.0015.
double leadingNumber(std::string_view text);

// True when the whole token, blanks at its ends ignored, is one number ("46.", ".5").
bool isNumberToken(std::string_view token);

// Cuts at every single blank: two blanks leave an empty piece; the empty text gives no piece.
std::vector<std::string_view> cutAtBlanks(std::string_view text);

// Strips leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

// Visits, in order, the member numbers of a member list: every piece other than "TO" (two
// blanks give an empty piece) as written, and the numbers a "TO" range adds strictly between its
// two ends, handed over at once as `range(first, last)` (first <= last) however many they are.
// `piece` and `range` return false to stop. The whole list is checked first: a "TO" at either
// end, or a range reaching past 32-bit member numbers, ends the reading whatever the visits do.
void forEachMemberListPart(std::string_view list,
                           const std::function<bool(std::string_view piece)>& piece,
                           const std::function<bool(int64_t first, int64_t last)>& range);

}  // namespace fp
