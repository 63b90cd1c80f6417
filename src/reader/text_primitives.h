// Small readers of the listing's free text: number runs, leading numbers, member lists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/value_list.h"

namespace fp {

// "-", ".", "/" and the digits: the characters a number run is made of.
bool isNumberCharacter(char c);

// Positions count from 1; a position past the end is the line's length plus 1.
// The position of the next number character at or after `start`.
int SkipToNumber(std::string_view line, int start);
// The position just past the run of number characters that starts at or after `start`.
int SkipNumber(std::string_view line, int start);

// The number the text starts with; blanks, tabs and line feeds are skipped anywhere in it;
// 0 when no digit is read. "46. 1 TO 5" gives 46.1, "2/3" gives 2, "1.5E-03" gives 0.0015.
double LeadingNumber(std::string_view text);

// True when the whole token, blanks at its ends ignored, is one number ("46.", ".5").
bool IsNumberToken(std::string_view token);

// Cuts at every single blank: two blanks leave an empty piece; the empty text gives no piece.
std::vector<std::string_view> cutAtBlanks(std::string_view text);

// Strips leading and trailing blanks.
std::string_view trimBlanks(std::string_view text);

// Expands "TO" ranges: "1 TO 5 7 9" gives "1 2 3 4 5 7 9 ". A "TO" at either end of the list
// ends the run with a message, as does a range that would add more numbers than a member table
// holds.
std::string ExpandMemberList(std::string_view list);

// Visits, in order, the pieces of the text ExpandMemberList would return, without building it:
// every piece of the list other than "TO" (two blanks give an empty piece) and every number a
// range adds, written as a plain integer. The final empty piece after the last blank is not
// visited. `visit` returns false to stop. The whole list is checked before the first visit, so a
// list that ends the run does so whatever `visit` would have done.
void ForEachMemberListPiece(std::string_view list,
                            const std::function<bool(std::string_view piece)>& visit);

// The same walk with the numbers of each range handed over at once, as `range(first, last)`
// (first <= last), however many they are; a range is held only when its numbers fit 32 bits.
void ForEachMemberListPart(std::string_view list,
                           const std::function<bool(std::string_view piece)>& piece,
                           const std::function<bool(int64_t first, int64_t last)>& range);

// The keyword of a load statement line: the first piece that is not a number once "TO " and
// " -" are removed; an empty piece gives the empty text, as does a line of numbers only.
std::string FirstNonNumberToken(std::string_view line);

// The same keyword written into `keyword`, whose storage is reused: one pass over the line that
// stops at the end of the keyword, so a reader calling it for every line allocates nothing.
void FirstNonNumberTokenInto(std::string_view line, std::string& keyword);

// Appends `value` to the list unless it holds it already (exact 32-bit comparison).
template <int Capacity>
void AddIfAbsent(ValueList<Capacity>& list, float value) {
    const int count = list.count();
    for (int i = 1; i <= count; ++i) {
        if (list[i] == value) {
            return;
        }
    }
    list.set(count + 1, value);
    list.setCount(count + 1);
}

}  // namespace fp
