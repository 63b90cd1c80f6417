// Sparse values by load case.
#include "takedown/case_values.h"

#include <algorithm>

namespace fp {
namespace {

bool before(const CaseValues::Entry& entry, std::size_t caseIndex) {
    return entry.first < caseIndex;
}

}  // namespace

void CaseValues::add(std::size_t caseIndex, double value) {
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), caseIndex, before);
    if (at != entries_.end() && at->first == caseIndex) {
        at->second += value;
    } else {
        entries_.insert(at, {caseIndex, value});
    }
}

void CaseValues::addScaled(const CaseValues& other, double factor) {
    std::vector<Entry> merged;
    merged.reserve(entries_.size() + other.entries_.size());
    auto mine = entries_.begin();
    for (const Entry& theirs : other.entries_) {
        while (mine != entries_.end() && mine->first < theirs.first) {
            merged.push_back(*mine++);
        }
        if (mine != entries_.end() && mine->first == theirs.first) {
            merged.push_back({theirs.first, mine->second + factor * theirs.second});
            ++mine;
        } else {
            merged.push_back({theirs.first, factor * theirs.second});
        }
    }
    merged.insert(merged.end(), mine, entries_.end());
    entries_ = std::move(merged);
}

double CaseValues::at(std::size_t caseIndex) const {
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), caseIndex, before);
    return at != entries_.end() && at->first == caseIndex ? at->second : 0;
}

bool CaseValues::allZero() const {
    return std::all_of(entries_.begin(), entries_.end(),
                       [](const Entry& entry) { return entry.second == 0; });
}

}  // namespace fp
