// Reading load combinations from the input echo.
#include "reader/load_combinations.h"

#include "reader/text_primitives.h"

namespace fp {
namespace {

// The pieces of an input line, blanks between them however many.
std::vector<std::string_view> wordsOf(std::string_view input) {
    std::vector<std::string_view> words;
    for (const std::string_view piece : cutAtBlanks(trimBlanks(input))) {
        if (!piece.empty()) {
            words.push_back(piece);
        }
    }
    return words;
}

// A line of a combination's cases and factors: numbers only, perhaps with a " -" that continues
// it on the next line.
bool isFactorLine(const std::vector<std::string_view>& words) {
    if (words.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool continues = i + 1 == words.size() && words[i] == "-";
        if (!continues && !isNumberToken(words[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

void LoadCombinationReader::take(std::string_view input, long line) {
    // Most echo lines are neither a combination's header nor its factors.
    if (!open_ && !input.starts_with("LOAD COMB")) {
        return;
    }
    const std::vector<std::string_view> words = wordsOf(input);
    if (open_ && isFactorLine(words)) {
        for (const std::string_view word : words) {
            if (word != "-") {
                numbers_.emplace_back(word);
            }
        }
        return;
    }
    closeOpen();
    // «LOAD COMB 4 TITLE» or «LOAD COMBINATION 4 TITLE»: the number comes third.
    if (words.size() < 3 || words[0] != "LOAD" || !words[1].starts_with("COMB") ||
        !isNumberToken(words[2])) {
        return;
    }
    open_ = true;
    current_ = LoadCombination{std::string(words[2]), {}, {}, line, false};
    const std::string_view afterNumber =
        input.substr(static_cast<std::size_t>(words[2].data() - input.data()) + words[2].size());
    current_.title = std::string(trimBlanks(afterNumber));
}

void LoadCombinationReader::closeOpen() {
    if (!open_) {
        return;
    }
    open_ = false;
    for (std::size_t i = 0; i + 1 < numbers_.size(); i += 2) {
        current_.terms.push_back(CombinationTerm{numbers_[i], leadingNumber(numbers_[i + 1])});
    }
    current_.unpaired = numbers_.size() % 2 == 1;
    numbers_.clear();
    if (combinations_.size() < kMost) {
        combinations_.push_back(std::move(current_));
    } else {
        ++leftOut_;
    }
}

std::vector<LoadCombination> LoadCombinationReader::finish() {
    closeOpen();
    return std::move(combinations_);
}

}  // namespace fp
