// Loads kept apart by their sources.
#include "takedown/load_parts.h"

#include <algorithm>
#include <tuple>

namespace fp {
namespace {

auto keyOf(const LoadPart& part) {
    return std::make_tuple(part.source, part.line, part.caseIndex, part.member);
}

}  // namespace

void LoadParts::add(const LoadPart& part) {
    const auto at =
        std::lower_bound(parts_.begin(), parts_.end(), part,
                         [](const LoadPart& a, const LoadPart& b) { return keyOf(a) < keyOf(b); });
    if (at != parts_.end() && keyOf(*at) == keyOf(part)) {
        at->kN += part.kN;
    } else {
        parts_.insert(at, part);
    }
}

void LoadParts::addScaled(const LoadParts& other, double factor) {
    for (LoadPart part : other.parts_) {
        part.kN *= factor;
        add(part);
    }
}

CaseValues LoadParts::byCase() const {
    CaseValues loads;
    for (const LoadPart& part : parts_) {
        loads.add(part.caseIndex, part.kN);
    }
    return loads;
}

}  // namespace fp
