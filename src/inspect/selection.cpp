// Selecting, and finding the selection again on a plan drawn anew.
#include "inspect/selection.h"

#include <algorithm>

namespace fp {

SelectedItem SelectedItem::beam(int32_t member) {
    SelectedItem item;
    item.member = member;
    return item;
}

SelectedItem SelectedItem::panel(const Grid& grid, const SlabPanel& panel) {
    SelectedItem item;
    item.kind = Kind::Panel;
    item.x1 = grid.x.at(panel.ix);
    item.z1 = grid.z.at(panel.iz);
    item.x2 = grid.x.at(panel.ix2);
    item.z2 = grid.z.at(panel.iz2);
    return item;
}

void toggle(Selection& selection, const SelectedItem& item) {
    const auto found = std::find(selection.begin(), selection.end(), item);
    if (found != selection.end()) {
        selection.erase(found);
    } else {
        selection.push_back(item);
    }
}

LevelSelection findSelection(const Selection& selection, const Grid& grid,
                             const std::vector<LevelBeam>& beams,
                             const std::vector<SlabPanel>& panels) {
    LevelSelection found;
    for (const SelectedItem& item : selection) {
        if (item.kind == SelectedItem::Kind::Beam) {
            const auto beam = std::find_if(beams.begin(), beams.end(), [&](const LevelBeam& b) {
                return b.member == item.member;
            });
            if (beam != beams.end()) {
                found.beams.emplace_back(static_cast<int>(beam - beams.begin()) + 1, *beam);
                found.kept.push_back(item);
            }
            continue;
        }
        const auto panel = std::find_if(panels.begin(), panels.end(), [&](const SlabPanel& p) {
            return SelectedItem::panel(grid, p) == item;
        });
        if (panel != panels.end()) {
            found.panels.push_back(*panel);
            found.kept.push_back(item);
        }
    }
    return found;
}

}  // namespace fp
