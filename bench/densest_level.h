// The level a benchmark of the plan takes: the one with the most beams and panels.
#pragma once

#include "document/listing_document.h"

namespace fp::bench {

// The level with the most beams and panels within the drawing limits: the most text and lines.
inline int densestLevel(const ListingDocument& document) {
    int densest = 1;
    std::size_t most = 0;
    for (int level = 1; level <= document.levelCount(); ++level) {
        const LevelModel& model = document.level(level);
        const std::size_t items = model.beams.size() + model.panels.size();
        if (!model.limitError() && items > most) {
            most = items;
            densest = level;
        }
    }
    return densest;
}

}  // namespace fp::bench
