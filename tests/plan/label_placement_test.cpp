// The placement step: over generated levels of every density, in both modes with member numbers
// and member loads on the beams, no two texts overlap and no text crosses a beam line; a text
// with room keeps its designed place; places kept for a view and scale draw what a fresh
// placement draws, and any other view or scale is placed afresh.
#include "plan/label_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "plan/check_marks.h"
#include "plan/level_drawing.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using Call = test::RecordingSurface::Call;
using Surface = test::RecordingSurface;

struct Layout {
    int bays_x;
    int bays_z;
    int16_t spacingX;
    int16_t spacingZ;
    // The own font's character width: a larger one crowds the plan as zooming out does.
    double charWidth = 10;
};

// Level 2 of a frame of bays, every beam designed at its span and loaded in two cases, a column
// under every joint, and one floor load of each of two cases over the whole level.
ListingDocument generated(const Layout& layout) {
    testing::LevelFrame frame(layout.bays_x + 1, layout.bays_z + 1, layout.spacingX,
                              layout.spacingZ);
    frame.allNeighbourBeams();
    int32_t member = 0;
    for (int ix = 1; ix <= layout.bays_x + 1; ++ix) {
        for (int iz = 1; iz <= layout.bays_z + 1; ++iz) {
            if (ix <= layout.bays_x) {
                frame.builder.designRow(++member, layout.spacingX * 10);
                frame.builder.memberLoadOn(member, 12.5f, "1").memberLoadOn(member, 4, "2");
            }
            if (iz <= layout.bays_z) {
                frame.builder.designRow(++member, layout.spacingZ * 10);
                frame.builder.memberLoadOn(member, 7.25f, "1");
            }
            frame.builder.member(5000 + 100 * ix + iz, testing::LevelFrame::joint(1, ix, iz),
                                 testing::LevelFrame::joint(2, ix, iz));
        }
    }
    frame.builder.loadCase("1", "DEAD").loadCase("2", "LIVE");
    const float width = static_cast<float>(layout.bays_x * layout.spacingX) / 100;
    const float depth = static_cast<float>(layout.bays_z * layout.spacingZ) / 100;
    frame.builder.floorLoad("1", 4.5f, 2.9f, 3.1f, 0, width, 0, depth);
    frame.builder.floorLoad("2", 3, 2.9f, 3.1f, 0, width, 0, depth);
    return frame.builder.build();
}

// The box a recorded text covers: the recording surface's own font is `charWidth` a character
// and twice that high, the rotated one 12 and 24, either drawn smaller by the font's shrink;
// rotated texts read upward from the cell's top-left.
PlanRect boxOf(const Call& text, double charWidth = 10) {
    const double shrink = text.font ? text.font->shrink : 1;
    const double length = static_cast<double>(text.text.size()) * shrink;
    if (!text.font || text.font->angleTenths == 0) {
        return {text.x1, text.z1, text.x1 + charWidth * length, text.z1 + 2 * charWidth * shrink};
    }
    EXPECT_EQ(text.font->angleTenths, 900);
    return {text.x1, text.z1 - 12 * length, text.x1 + 24 * shrink, text.z1};
}

std::vector<PlanRect> beamLines(const Surface& surface) {
    std::vector<PlanRect> lines;
    for (const Call& line : surface.lines()) {
        if (line.part == PlanPart::Beams && line.style == LineStyle::Normal) {
            lines.push_back({std::min(line.x1, line.x2), std::min(line.z1, line.z2),
                             std::max(line.x1, line.x2), std::max(line.z1, line.z2)});
        }
    }
    return lines;
}

TEST(LabelPlacement, NoTextOverlapsAnotherOrCrossesABeamOnGeneratedLevels) {
    const Layout layouts[] = {
        {9, 7, 600, 500}, {9, 7, 300, 250}, {4, 3, 500, 400},
        {6, 2, 200, 150}, {1, 1, 900, 700}, {9, 7, 300, 250, 40},
    };
    int drawnSmaller = 0;
    for (const Layout& layout : layouts) {
        const ListingDocument document = generated(layout);
        for (const LoadMode mode : {LoadMode::Floor, LoadMode::Member}) {
            PlanView view = startUpView(document);
            view.level = 2;
            view.mode = mode;
            view.memberNumbers = true;
            view.memberLoadsOnBeams = true;
            Surface surface;
            surface.setOwnMetrics(layout.charWidth, 2 * layout.charWidth);
            drawLevel(document, view, surface);
            const std::vector<Call> texts = surface.texts();
            const std::vector<PlanRect> lines = beamLines(surface);
            ASSERT_FALSE(lines.empty());
            const std::string where = std::to_string(layout.bays_x) + " x " +
                                      std::to_string(layout.bays_z) + " bays of " +
                                      std::to_string(layout.spacingX) + ", mode " +
                                      std::to_string(static_cast<int>(mode));
            int overlaps = 0;
            int crossings = 0;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const PlanRect box = boxOf(texts[i], layout.charWidth);
                drawnSmaller += texts[i].font && texts[i].font->shrink < 1 ? 1 : 0;
                for (std::size_t k = i + 1; k < texts.size(); ++k) {
                    if (box.meets(boxOf(texts[k], layout.charWidth)) && overlaps++ < 3) {
                        ADD_FAILURE() << where << ": \"" << texts[i].text << "\" on \""
                                      << texts[k].text << "\"";
                    }
                }
                for (const PlanRect& line : lines) {
                    if (box.meets(line) && crossings++ < 3) {
                        ADD_FAILURE() << where << ": \"" << texts[i].text << "\" across a beam";
                    }
                }
            }
            EXPECT_EQ(overlaps, 0) << where;
            EXPECT_EQ(crossings, 0) << where;
        }
    }
    EXPECT_GT(drawnSmaller, 0) << "the crowded layout has texts with no room at their own size";
}

// One wide bay: the panel's label has room at its designed place and keeps it, while the
// serials, designed across their beams, step beside them.
TEST(LabelPlacement, ATextWithRoomKeepsItsDesignedPlace) {
    const ListingDocument document = generated({1, 1, 900, 700});
    PlanView view = startUpView(document);
    view.level = 2;
    view.designedLabelPositions = true;
    Surface designed;
    drawLevel(document, view, designed);
    view.designedLabelPositions = false;
    Surface placed;
    drawLevel(document, view, placed);
    const auto textsOf = [](const Surface& surface, PlanPart part) {
        std::vector<Call> found;
        for (const Call& text : surface.texts()) {
            if (text.part == part) {
                found.push_back(text);
            }
        }
        return found;
    };
    const auto designedPanel = textsOf(designed, PlanPart::PanelLabels);
    const auto placedPanel = textsOf(placed, PlanPart::PanelLabels);
    ASSERT_EQ(designedPanel.size(), 3u);
    ASSERT_EQ(placedPanel.size(), designedPanel.size());
    for (std::size_t i = 0; i < placedPanel.size(); ++i) {
        EXPECT_EQ(placedPanel[i].text, designedPanel[i].text);
        EXPECT_EQ(placedPanel[i].x1, designedPanel[i].x1);
        EXPECT_EQ(placedPanel[i].z1, designedPanel[i].z1);
    }
    const auto designedSerials = textsOf(designed, PlanPart::BeamSerials);
    const auto placedSerials = textsOf(placed, PlanPart::BeamSerials);
    ASSERT_EQ(placedSerials.size(), 4u);
    for (std::size_t i = 0; i < placedSerials.size(); ++i) {
        const bool moved = placedSerials[i].x1 != designedSerials[i].x1 ||
                           placedSerials[i].z1 != designedSerials[i].z1;
        EXPECT_TRUE(moved) << placedSerials[i].text;
    }
    EXPECT_EQ(placed.lines().size(), designed.lines().size()) << "no leader was needed";
}

// The sample's levels have grid lines running through panels where a beam stops short (line 3
// through the bays on either side of the stair): no panel's label is left across one.
TEST(LabelPlacement, APanelsLabelStepsOffAGridLineThroughItsPanel) {
    struct : MessageSink {
        void show(const ListingMessage&) override {}
    } messages;
    const ListingDocument document = openListing("samples/office-block.anl", messages);
    int labelsOnGridLines = 0;
    for (int level = 1; level <= document.levelCount(); ++level) {
        PlanView view = startUpView(document);
        view.level = level;
        Surface surface;
        drawLevel(document, view, surface);
        std::vector<PlanRect> gridLines;
        for (const Call& line : surface.lines()) {
            if (line.style == LineStyle::GridLine) {
                gridLines.push_back({std::min(line.x1, line.x2), std::min(line.z1, line.z2),
                                     std::max(line.x1, line.x2), std::max(line.z1, line.z2)});
            }
        }
        ASSERT_FALSE(gridLines.empty());
        for (const Call& text : surface.texts()) {
            for (const PlanRect& line : gridLines) {
                if (text.part == PlanPart::PanelLabels && boxOf(text).meets(line)) {
                    ADD_FAILURE() << "level " << level << ": \"" << text.text << "\"";
                    ++labelsOnGridLines;
                }
            }
        }
    }
    EXPECT_EQ(labelsOnGridLines, 0);
}

// A warning sign stands on its panel's label and goes with it where the label has to move (the
// sample's stair bay, a grid line through its middle); no text is placed over it.
TEST(LabelPlacement, AWarningSignGoesWithItsLabelAndNoTextCoversIt) {
    struct : MessageSink {
        void show(const ListingMessage&) override {}
    } messages;
    const ListingDocument document = openListing("samples/office-block.anl", messages);
    Finding stairBay;
    stairBay.severity = Severity::Warning;
    stairBay.place = {FindingPlace::Kind::Panel, 0, 6, 5, 16, 0};
    // The floors between the ground and the roof, where the bay is a panel.
    for (int level = 2; level < document.levelCount(); ++level) {
        PlanView view = startUpView(document);
        view.level = level;
        stairBay.level = level;
        for (const double charWidth : {10.0, 16.0}) {
            Surface surface;
            surface.setOwnMetrics(charWidth, 2 * charWidth);
            const std::vector<Finding> findings{stairBay};
            DrawingContext context;
            context.findings = &findings;
            drawLevel(document, view, surface, context);
            // The sign's five strokes, the only solid lines among the panels' labels.
            PlanRect sign{1e9, 1e9, -1e9, -1e9};
            int strokes = 0;
            for (const Call& line : surface.lines()) {
                if (line.part == PlanPart::PanelLabels && line.style == LineStyle::Normal) {
                    sign = sign.united({std::min(line.x1, line.x2), std::min(line.z1, line.z2),
                                        std::max(line.x1, line.x2), std::max(line.z1, line.z2)});
                    ++strokes;
                }
            }
            const std::string where =
                "level " + std::to_string(level) + " at " + std::to_string(charWidth);
            ASSERT_EQ(strokes, 5) << where;
            bool onItsLabel = false;
            for (const Call& text : surface.texts()) {
                const PlanRect box = boxOf(text, charWidth);
                EXPECT_FALSE(box.meets(sign)) << where << ": \"" << text.text << "\"";
                const double middle = (sign.left + sign.right) / 2;
                onItsLabel |= text.part == PlanPart::PanelLabels && middle > box.left &&
                              middle < box.right && box.top >= sign.bottom &&
                              box.top - sign.bottom < sign.height();
            }
            EXPECT_TRUE(onItsLabel) << where;
        }
    }
}

// Every text and line drawn, in an order of their own: a kept placement writes the texts in the
// drawing's order, a fresh one in order of importance.
using Drawn = std::tuple<std::string, double, double, double, double, double>;
std::vector<Drawn> drawn(const Surface& surface) {
    std::vector<Drawn> all;
    for (const Call& call : surface.calls()) {
        if (call.kind == Surface::Kind::Text || call.kind == Surface::Kind::Line) {
            all.emplace_back(call.text, call.x1, call.z1, call.x2, call.z2,
                             call.font ? call.font->shrink : 1);
        }
    }
    std::sort(all.begin(), all.end());
    return all;
}

TEST(LabelPlacement, APlacementKeptIsTakenOnlyForItsOwnViewAndScale) {
    const ListingDocument document = generated({9, 7, 300, 250});
    PlanView member = startUpView(document);
    member.level = 2;
    member.mode = LoadMode::Member;
    member.memberNumbers = true;
    member.memberLoadsOnBeams = true;
    PlanView floor = member;
    floor.mode = LoadMode::Floor;
    PlanView below = member;
    below.level = 1;
    PlanView withoutNumbers = member;
    withoutNumbers.memberNumbers = false;
    const auto freshly = [&](const PlanView& view, double charWidth) {
        Surface surface;
        surface.setOwnMetrics(charWidth, 2 * charWidth);
        drawLevel(document, view, surface);
        return drawn(surface);
    };
    PlacementMemory memory;
    const auto drawKept = [&](const PlanView& view, double charWidth) {
        Surface surface;
        surface.setOwnMetrics(charWidth, 2 * charWidth);
        DrawingContext context;
        context.memory = &memory;
        drawLevel(document, view, surface, context);
        return drawn(surface);
    };
    // Each step: the view and the text size (a zoom changes it), and whether the places are
    // those of an earlier step.
    const struct {
        const PlanView& view;
        double charWidth;
        bool kept;
    } steps[] = {{member, 10, false},
                 {member, 10, true},
                 {member, 12, false},
                 {floor, 12, false},
                 {floor, 12, true},
                 {member, 12, true},
                 {member, 40, false},
                 {member, 40, true},
                 // Down a level and back up, at the same size and then at another.
                 {below, 40, false},
                 {member, 40, true},
                 {below, 10, false},
                 {member, 10, true},
                 // An option turned off and on again.
                 {withoutNumbers, 10, false},
                 {member, 10, true},
                 {withoutNumbers, 10, true}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const std::size_t placedBefore = memory.placed();
        EXPECT_EQ(drawKept(steps[i].view, steps[i].charWidth),
                  freshly(steps[i].view, steps[i].charWidth))
            << "step " << i;
        EXPECT_EQ(memory.placed() == placedBefore, steps[i].kept) << "step " << i;
    }
    EXPECT_EQ(memory.reused(), 8u);

    // As many other sizes drawn since, the placement used longest ago is let go, and found
    // afresh.
    for (std::size_t size = 1; size <= PlacementMemory::kMostKept; ++size) {
        drawKept(member, 100 + static_cast<double>(size));
    }
    const std::size_t placedBefore = memory.placed();
    EXPECT_EQ(drawKept(member, 10), freshly(member, 10));
    EXPECT_EQ(memory.placed(), placedBefore + 1);
}

}  // namespace
}  // namespace fp
