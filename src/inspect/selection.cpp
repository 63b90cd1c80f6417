// Selecting, and finding the selection again on a plan drawn anew.
#include "inspect/selection.h"

#include <algorithm>

namespace fp {

SelectedItem SelectedItem::beam(int32_t member) {
    SelectedItem item;
    item.member = member;
    return item;
}

SelectedItem SelectedItem::panel(const PanelBounds& bounds) {
    SelectedItem item;
    item.kind = Kind::Panel;
    item.bounds = bounds;
    return item;
}

SelectedItem SelectedItem::column(int32_t member) {
    SelectedItem item;
    item.kind = Kind::Column;
    item.member = member;
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

LevelSelection findSelection(const Selection& selection, const LevelModel& level) {
    LevelSelection found;
    for (const SelectedItem& item : selection) {
        if (item.kind == SelectedItem::Kind::Beam) {
            if (const int serial = level.serialOf(item.member)) {
                found.beams.emplace_back(serial, level.beams[static_cast<std::size_t>(serial - 1)]);
                found.kept.push_back(item);
            }
            continue;
        }
        if (item.kind == SelectedItem::Kind::Column) {
            const auto column =
                std::find_if(level.columns.begin(), level.columns.end(),
                             [&item](const LevelColumn& at) { return at.member == item.member; });
            if (column != level.columns.end()) {
                found.columns.push_back(*column);
                found.kept.push_back(item);
            }
            continue;
        }
        if (const LevelPanel* panel = level.panelWithBounds(item.bounds)) {
            found.panels.push_back(*panel);
            found.kept.push_back(item);
        }
    }
    return found;
}

}  // namespace fp
