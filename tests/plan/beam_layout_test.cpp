// The beam plan of one level: geometry, numbering, member labels, pick boxes and the 300 limit.
#include "plan/beam_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "model/run_error.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using test::RecordingSurface;
constexpr int16_t kLevel = 2;

class BeamLayoutTest : public ::testing::Test {
  protected:
    BeamLayoutTest() {
        // w = 10 and h = 13, so a swap of the two shows.
        surface.setOwnMetrics(10, 26);
        model->GridY.set(1, 0);
        model->GridY.set(2, 350);
        model->GridY.setCount(2);
    }

    void setGrid(std::initializer_list<float> xs, std::initializer_list<float> zs) {
        int i = 0;
        for (float x : xs) {
            model->GridX.set(++i, x);
        }
        model->GridX.setCount(i);
        i = 0;
        for (float z : zs) {
            model->GridZ.set(++i, z);
        }
        model->GridZ.setCount(i);
    }

    int16_t addDesignRow(int32_t member, int32_t lengthMm) {
        const int16_t row = ++model->BeamDesignCount;
        model->BeamDesignTable.at(row, 1) = member;
        model->BeamDesignTable.at(row, 2) = lengthMm;
        return row;
    }

    void addJoint(int ix, int iz) { model->NodeGrid.at(ix, kLevel, iz) = ++joints; }

    void addXBeam(int ix, int iz, int32_t member, int32_t lengthMm) {
        model->XBeamGrid.at(ix, kLevel, iz) = addDesignRow(member, lengthMm);
    }
    void addZBeam(int ix, int iz, int32_t member, int32_t lengthMm) {
        model->ZBeamGrid.at(ix, kLevel, iz) = addDesignRow(member, lengthMm);
    }

    void draw(int16_t level = kLevel) { drawBeeLayout(*model, surface, view, level, boxes); }

    std::unique_ptr<ModelStore> model = makeModelStore();
    RecordingSurface surface;
    ViewState view;
    BeamBoxes boxes;
    int16_t joints = 0;
};

void expectBox(const BeamBox& box, float x1, float z1, float x2, float z2) {
    EXPECT_FLOAT_EQ(box.X1, x1);
    EXPECT_FLOAT_EQ(box.Z1, z1);
    EXPECT_FLOAT_EQ(box.X2, x2);
    EXPECT_FLOAT_EQ(box.Z2, z2);
}

TEST_F(BeamLayoutTest, ALevelWithoutBeamsIsClearedAndHasNoBoxes) {
    setGrid({1000, 1500}, {2000});
    addJoint(1, 1);  // a joint, but no beam with a design row
    boxes.BeamBoxCount = 7;
    draw();
    ASSERT_FALSE(surface.calls().empty());
    EXPECT_EQ(surface.calls()[0].kind, RecordingSurface::Kind::Clear);
    EXPECT_EQ(surface.lines().size(), 0u);
    EXPECT_EQ(surface.prints().size(), 0u);
    EXPECT_EQ(boxes.BeamBoxCount, 0);
}

TEST_F(BeamLayoutTest, XBeamRunsItsPrintedLengthWithSerialAboveTheLine) {
    // The next grid line is 5 m away, but the beam is printed 4500 mm long.
    setGrid({1000, 1500}, {2000});
    addJoint(1, 1);
    addJoint(2, 1);
    addXBeam(1, 1, 1043, 4500);
    draw();

    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].x1, 1000);
    EXPECT_DOUBLE_EQ(lines[0].z1, 2000);
    EXPECT_DOUBLE_EQ(lines[0].x2, 1450);
    EXPECT_DOUBLE_EQ(lines[0].z2, 2000);

    const auto circles = surface.circles();
    ASSERT_EQ(circles.size(), 1u) << "only the start joint gets a circle";
    EXPECT_DOUBLE_EQ(circles[0].x1, 1000);
    EXPECT_DOUBLE_EQ(circles[0].z1, 2000);
    EXPECT_NEAR(circles[0].x2, 1.3, 1e-6);

    const auto prints = surface.prints();
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].text, "1");
    EXPECT_DOUBLE_EQ(prints[0].x1, 1225 - 5) << "centred on the mid-point";
    EXPECT_DOUBLE_EQ(prints[0].z1, 2000 - 13);
    EXPECT_FALSE(prints[0].font.has_value());

    ASSERT_EQ(boxes.BeamBoxCount, 1);
    expectBox(boxes.Box[1], 1000 + 10, 2000 - 13, 1450 - 10, 2000 + 13);
}

TEST_F(BeamLayoutTest, ZBeamLabelsReadUpwardLeftOfTheLine) {
    setGrid({1000}, {2000, 2300});
    addJoint(1, 1);
    addZBeam(1, 1, 7, 3000);
    draw();

    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].x2, 1000);
    EXPECT_DOUBLE_EQ(lines[0].z2, 2300);

    ASSERT_EQ(boxes.BeamBoxCount, 1);
    expectBox(boxes.Box[1], 950, 2050, 1050, 2250);

    const auto prints = surface.prints();
    ASSERT_EQ(prints.size(), 1u);
    ASSERT_TRUE(prints[0].font.has_value());
    EXPECT_EQ(prints[0].font->lfEscapement, 900);
    // Anchor (1000 - w, 2150); the rotated "1" is 12 wide, so its cell starts 24 below.
    EXPECT_DOUBLE_EQ(prints[0].x1, 990);
    EXPECT_DOUBLE_EQ(prints[0].z1, 2150 + 24);
    EXPECT_FALSE(surface.selectedFont().has_value());
}

TEST_F(BeamLayoutTest, SerialsRunColumnByColumnXBeforeZ) {
    setGrid({0, 500}, {0, 400});
    addJoint(1, 1);
    addJoint(1, 2);
    addJoint(2, 1);
    addJoint(2, 2);
    addZBeam(2, 1, 40, 4000);  // later column: numbered after the whole first column
    addXBeam(1, 2, 30, 5000);
    addZBeam(1, 1, 20, 4000);
    addXBeam(1, 1, 10, 5000);
    draw();

    ASSERT_EQ(boxes.BeamBoxCount, 4);
    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), 4u);
    // 1: +X at (0, 0); 2: +Z at (0, 0); 3: +X at (0, 400); 4: +Z at (500, 0).
    EXPECT_DOUBLE_EQ(lines[0].x2, 500);
    EXPECT_DOUBLE_EQ(lines[0].z2, 0);
    EXPECT_DOUBLE_EQ(lines[1].x2, 0);
    EXPECT_DOUBLE_EQ(lines[1].z2, 400);
    EXPECT_DOUBLE_EQ(lines[2].z1, 400);
    EXPECT_DOUBLE_EQ(lines[3].x1, 500);
    expectBox(boxes.Box[2], -50, 50, 50, 350);
    expectBox(boxes.Box[4], 450, 50, 550, 350);

    std::string serials;
    for (const auto& print : surface.prints()) {
        serials += print.text + " ";
    }
    EXPECT_EQ(serials, "1 2 3 4 ");
}

TEST_F(BeamLayoutTest, MemberNumbersOnlyInMemberLoadModeWithBeemNosTicked) {
    setGrid({1000}, {2000});
    addJoint(1, 1);
    addXBeam(1, 1, 1043, 4500);
    addZBeam(1, 1, -12, 3000);

    const struct {
        bool memberMode;
        int beamNumbers;
        bool shown;
    } cases[] = {{false, kTicked, false},
                 {false, kUnticked, false},
                 {true, kUnticked, false},
                 {true, kGrey, false},
                 {true, kTicked, true}};
    for (const auto& c : cases) {
        view.memberLoadMode = c.memberMode;
        view.beamNumbers = c.beamNumbers;
        surface.forget();
        draw();
        const auto prints = surface.prints();
        SCOPED_TRACE(testing::Message()
                     << "member mode " << c.memberMode << ", Beem Nos " << c.beamNumbers);
        if (!c.shown) {
            ASSERT_EQ(prints.size(), 2u);
            EXPECT_EQ(prints[0].text, "1");
            EXPECT_EQ(prints[1].text, "2");
            continue;
        }
        ASSERT_EQ(prints.size(), 4u);
        // Member number first, serial last, at the same anchor and in the same way.
        EXPECT_EQ(prints[0].text, "B: 1043");
        EXPECT_EQ(prints[1].text, "1");
        EXPECT_DOUBLE_EQ(prints[0].x1, 1225 - 35);
        EXPECT_DOUBLE_EQ(prints[0].z1, prints[1].z1);
        EXPECT_EQ(prints[2].text, "B: -12");
        EXPECT_EQ(prints[3].text, "2");
        ASSERT_TRUE(prints[2].font.has_value());
        EXPECT_EQ(prints[2].font->lfEscapement, 900);
        EXPECT_DOUBLE_EQ(prints[2].x1, 990);
        EXPECT_DOUBLE_EQ(prints[2].z1, 2150 + 2 * 6 * 12);
    }
}

TEST_F(BeamLayoutTest, DigitMeasuresAreRoundedHalfToEven) {
    setGrid({1000}, {2000});
    addJoint(1, 1);
    addXBeam(1, 1, 1, 4500);
    surface.setOwnMetrics(10.5, 27);  // w = 10.5 -> 10, h = 13.5 -> 14
    draw();
    expectBox(boxes.Box[1], 1010, 1986, 1440, 2014);
    surface.setOwnMetrics(11.5, 25);  // w = 11.5 -> 12, h = 12.5 -> 12
    draw();
    expectBox(boxes.Box[1], 1012, 1988, 1438, 2012);
}

TEST_F(BeamLayoutTest, ShortBeamGetsAnInvertedBox) {
    setGrid({1000}, {2000});
    addJoint(1, 1);
    addXBeam(1, 1, 1, 150);  // 15 plan units, less than twice w
    addZBeam(1, 1, 2, 800);  // 80 plan units, less than twice 50
    draw();
    EXPECT_GT(boxes.Box[1].X1, boxes.Box[1].X2);
    EXPECT_GT(boxes.Box[2].Z1, boxes.Box[2].Z2);
    EXPECT_FALSE(IsOver(boxes, 1, 1007.5f, 2000));
    EXPECT_FALSE(IsOver(boxes, 2, 1000, 2040));
}

// 15 X lines by 10 Z lines, a +X and a +Z beam at every joint: exactly 300 beams.
class BeamLimitTest : public BeamLayoutTest {
  protected:
    void buildThreeHundred() {
        for (int i = 1; i <= 16; ++i) {
            model->GridX.set(i, static_cast<float>(i * 500));
        }
        model->GridX.setCount(16);
        for (int i = 1; i <= 11; ++i) {
            model->GridZ.set(i, static_cast<float>(i * 400));
        }
        model->GridZ.setCount(11);
        for (int ix = 1; ix <= 15; ++ix) {
            for (int iz = 1; iz <= 10; ++iz) {
                addJoint(ix, iz);
                addXBeam(ix, iz, ix * 100 + iz, 5000);
                addZBeam(ix, iz, ix * 100 + iz + 50, 4000);
            }
        }
    }
};

TEST_F(BeamLimitTest, ThreeHundredBeamsDrawCompletely) {
    buildThreeHundred();
    draw();
    EXPECT_EQ(boxes.BeamBoxCount, 300);
    EXPECT_EQ(surface.lines().size(), 300u);
    EXPECT_EQ(surface.prints().back().text, "300");
}

TEST_F(BeamLimitTest, TheThreeHundredAndFirstBeamEndsTheRunNamingTheLevel) {
    buildThreeHundred();
    addJoint(16, 1);
    addZBeam(16, 1, 9999, 4000);
    try {
        draw();
        FAIL() << "a 301st beam must end the run";
    } catch (const RunEndingError& error) {
        EXPECT_NE(std::string(error.what()).find("Level 2 (at 3.5 m)"), std::string::npos)
            << error.what();
        EXPECT_NE(std::string(error.what()).find("300"), std::string::npos);
    }
    EXPECT_EQ(boxes.BeamBoxCount, 300) << "nothing written past the last box";
}

}  // namespace
}  // namespace fp
