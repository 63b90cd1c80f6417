// The tributary areas on the plan: faint lines inside each panel at 45° from its corners with the
// ridge between them, or down the middle of a one-way panel; only when the view asks for them,
// and never moving a label.
#include "plan/tributary_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "plan/level_drawing.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using test::RecordingSurface;

std::vector<RecordingSurface::Call> tributaryLines(const RecordingSurface& surface) {
    std::vector<RecordingSurface::Call> lines = surface.lines();
    std::erase_if(lines, [](const RecordingSurface::Call& line) {
        return line.part != PlanPart::TributaryAreas;
    });
    return lines;
}

bool isCorner(double x, double z, double spanX, double spanZ) {
    const auto onLine = [](double value, double span) { return std::fmod(value, span) == 0; };
    return onLine(x, spanX) && onLine(z, spanZ);
}

TEST(TributaryLines, Are45DegreeLinesFromTheCornersToTheRidgeOrTheOneWayMiddleLine) {
    const struct {
        const char* what;
        int16_t spanX;  // hundredths of a metre
        int16_t spanZ;
        std::size_t linesPerPanel;
        bool oneWay;
    } cases[] = {
        {"6 x 4 m two-way: four 45° lines and the ridge along X", 600, 400, 5, false},
        {"4 x 6 m two-way: the ridge along Z", 400, 600, 5, false},
        {"4 x 4 m square: the four 45° lines meet in the middle", 400, 400, 4, false},
        {"9 x 4 m one-way: the middle line along X", 900, 400, 1, true},
        {"8 x 4 m: twice the short span is one-way already", 800, 400, 1, true},
        {"4 x 9 m one-way: the middle line along Z", 400, 900, 1, true},
    };
    for (const auto& c : cases) {
        // Two panels side by side along X.
        testing::LevelFrame frame(3, 2, c.spanX, c.spanZ);
        frame.allNeighbourBeams();
        const ListingDocument document = frame.builder.build();
        PlanView view;
        view.level = 2;
        view.tributaryAreas = true;
        RecordingSurface surface;
        drawLevel(document, view, surface);
        const auto lines = tributaryLines(surface);
        ASSERT_EQ(lines.size(), 2 * c.linesPerPanel) << c.what;
        for (const auto& line : lines) {
            EXPECT_TRUE(line.stroke.has_value()) << c.what << ": drawn faint";
            EXPECT_EQ(line.style, LineStyle::Thin) << c.what;
            const double dx = std::abs(line.x2 - line.x1);
            const double dz = std::abs(line.z2 - line.z1);
            if (dx != 0 && dz != 0) {
                EXPECT_FALSE(c.oneWay) << c.what;
                EXPECT_DOUBLE_EQ(dx, dz) << c.what << ": at 45°";
                EXPECT_TRUE(isCorner(line.x1, line.z1, c.spanX, c.spanZ)) << c.what;
                EXPECT_FALSE(isCorner(line.x2, line.z2, c.spanX, c.spanZ)) << c.what;
            } else {
                // The ridge or the one-way line: halfway across the short span.
                const bool alongX = dz == 0;
                EXPECT_EQ(alongX, c.spanX > c.spanZ) << c.what << ": along the long span";
                const double across = alongX ? line.z1 : std::fmod(line.x1, c.spanX);
                EXPECT_DOUBLE_EQ(across, (alongX ? c.spanZ : c.spanX) / 2.0) << c.what;
                const double length = alongX ? dx : dz;
                const double longSpan = std::max(c.spanX, c.spanZ);
                const double shortSpan = std::min(c.spanX, c.spanZ);
                EXPECT_DOUBLE_EQ(length, c.oneWay ? longSpan : longSpan - shortSpan) << c.what;
            }
        }
    }
}

TEST(TributaryLines, OnlyWhenAskedForInFloorLoadModeAndNeverMovingALabel) {
    testing::LevelFrame frame(3, 2);
    frame.allNeighbourBeams();
    frame.builder.loadCase("1", "DEAD");
    frame.builder.floorLoad("1", 4.5f, 2.9f, 3.1f, 0, 10, 0, 4);
    const ListingDocument document = frame.builder.build();
    PlanView view;
    view.level = 2;
    RecordingSurface plain;
    drawLevel(document, view, plain);
    EXPECT_TRUE(tributaryLines(plain).empty());

    view.tributaryAreas = true;
    RecordingSurface marked;
    drawLevel(document, view, marked);
    EXPECT_EQ(tributaryLines(marked).size(), 10u);
    const auto at = [](const RecordingSurface& surface) {
        std::vector<std::tuple<std::string, double, double>> texts;
        for (const auto& text : surface.texts()) {
            texts.emplace_back(text.text, text.x1, text.z1);
        }
        return texts;
    };
    EXPECT_FALSE(plain.texts().empty());
    EXPECT_EQ(at(marked), at(plain));

    view.mode = LoadMode::Member;
    RecordingSurface memberMode;
    drawLevel(document, view, memberMode);
    EXPECT_TRUE(tributaryLines(memberMode).empty());
}

}  // namespace
}  // namespace fp
