// Values by load case, kept only for the cases that have one: a listing may hold thousands of
// load cases while a column or a panel meets a few of them.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace fp {

class CaseValues {
  public:
    using Entry = std::pair<std::size_t, double>;  // a case's index and its value

    void add(std::size_t caseIndex, double value);
    // Adds every value of `other` times `factor`.
    void addScaled(const CaseValues& other, double factor = 1);
    // The value of a case; 0 for a case without one.
    double at(std::size_t caseIndex) const;

    // By case index.
    const std::vector<Entry>& entries() const { return entries_; }
    // Whether every case's value is 0.
    bool allZero() const;

  private:
    std::vector<Entry> entries_;
};

}  // namespace fp
