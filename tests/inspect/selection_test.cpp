// A selection toggles item by item and is found again on a plan drawn anew, without the items
// the new plan no longer has.
#include "inspect/selection.h"

#include <gtest/gtest.h>

#include "support/document_builder.h"

namespace fp {
namespace {

using testing::kBayLevel;

TEST(Selection, ToggleAddsAndTakesAway) {
    Selection selection;
    toggle(selection, SelectedItem::beam(7));
    toggle(selection, SelectedItem::beam(9));
    toggle(selection, SelectedItem::beam(7));
    EXPECT_EQ(selection, Selection{SelectedItem::beam(9)});
}

TEST(Selection, IsFoundAgainByMemberAndCornersAndLosesWhatIsGone) {
    const ListingDocument before =
        testing::oneClosedBay({101, 102, 103, 104}, {5000, 4000, 4000, 5000}).build();
    const PanelBounds bay = before.level(kBayLevel).panels.at(0).bounds;
    const Selection selection{SelectedItem::beam(104), SelectedItem::panel(bay),
                              SelectedItem::beam(101)};
    const LevelSelection same = findSelection(selection, before.level(kBayLevel));
    EXPECT_EQ(same.kept, selection);
    ASSERT_EQ(same.beams.size(), 2u);
    EXPECT_EQ(same.beams[0].second.member, 104);
    EXPECT_EQ(same.beams[1].second.member, 101);
    EXPECT_EQ(same.beams[1].first, 1);
    ASSERT_EQ(same.panels.size(), 1u);

    // Read again with member 104 renumbered: its beam is gone; the bay is closed as before.
    const ListingDocument after =
        testing::oneClosedBay({101, 102, 103, 204}, {5000, 4000, 4000, 5000}).build();
    const LevelSelection left = findSelection(selection, after.level(kBayLevel));
    EXPECT_EQ(left.kept, (Selection{selection[1], selection[2]}));
}

}  // namespace
}  // namespace fp
