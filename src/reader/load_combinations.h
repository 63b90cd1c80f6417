// The load combinations of a listing's input echo: «LOAD COMBINATION 4 1.5 (DEAD + LIVE)» and
// the lines of load-case numbers and factors under it («1 1.5 2 1.5»).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fp {

// One load case of a combination with its factor.
struct CombinationTerm {
    std::string caseNumber;  // as written
    double factor = 0;
};

struct LoadCombination {
    std::string number;  // as written
    std::string title;   // the words after the number; empty when there are none
    std::vector<CombinationTerm> terms;
    long line = 0;  // of the header in the listing, counted from 1
    // A case number left without its factor at the end of the combination's lines.
    bool unpaired = false;
};

// Reads the combinations from the input echo, an echo line at a time.
class LoadCombinationReader {
  public:
    // Combinations past this count are counted, not kept.
    static constexpr std::size_t kMost = 10000;

    // An echo line's input, after its echo number, at listing line `line`.
    void take(std::string_view input, long line);
    // The combinations, once every echo line has been taken.
    std::vector<LoadCombination> finish();
    // The combinations past kMost.
    long leftOut() const { return leftOut_; }

  private:
    void closeOpen();

    std::vector<LoadCombination> combinations_;
    long leftOut_ = 0;
    // The combination whose factor lines are being read, if any.
    bool open_ = false;
    LoadCombination current_;
    // Its numbers read so far, case numbers and factors in turn.
    std::vector<std::string> numbers_;
};

}  // namespace fp
