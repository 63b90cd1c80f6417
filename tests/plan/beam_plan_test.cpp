// The beam plan of one level: geometry, numbering, member labels, pick boxes and the 300 limit.
#include "plan/beam_plan.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "model/listing_error.h"
#include "plan/label_drawing.h"
#include "plan/label_search.h"
#include "support/document_builder.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using test::RecordingSurface;
constexpr int kLevel = 2;
constexpr int16_t kLevelHeight = 350;

// The beam plan alone on a cleared surface, its texts at their designed places.
PickBoxes drawBeamPlan(const ListingDocument& document, const PlanView& view,
                       RecordingSurface& surface) {
    surface.clear();
    PlanLabels labels;
    const PickBoxes boxes = drawBeams(document, view, surface, labels);
    drawLabels(labels, designedLayout(labels), surface);
    return boxes;
}

class BeamPlanTest : public ::testing::Test {
  protected:
    BeamPlanTest() {
        // w = 10 and h = 13, so a swap of the two shows.
        surface.setOwnMetrics(10, 26);
        view.level = kLevel;
    }

    // The X and Z lines, from joints of level 1 (at 0); level 2 is at 3.5 m.
    void setGrid(std::initializer_list<int16_t> xs, std::initializer_list<int16_t> zs) {
        xs_ = xs;
        zs_ = zs;
        builder.gridLines(xs, {0}, zs);
    }

    // The joint of level 2 at grid lines (ix, iz), numbered by its lines.
    int16_t jointAt(int ix, int iz) const { return static_cast<int16_t>(100 * ix + iz); }

    void addJoint(int ix, int iz) {
        builder.joint(jointAt(ix, iz), xs_[static_cast<std::size_t>(ix - 1)], kLevelHeight,
                      zs_[static_cast<std::size_t>(iz - 1)]);
    }

    // A designed beam from the joint at (ix, iz) to the one at (ix2, iz) or (ix, iz2).
    void addXBeam(int ix, int iz, int ix2, int32_t member, int32_t lengthMm) {
        builder.member(member, jointAt(ix, iz), jointAt(ix2, iz));
        builder.designRow(member, lengthMm);
    }
    void addZBeam(int ix, int iz, int iz2, int32_t member, int32_t lengthMm) {
        builder.member(member, jointAt(ix, iz), jointAt(ix, iz2));
        builder.designRow(member, lengthMm);
    }

    // Member 1043 along X from (1000, 2000), 4.5 m long, and member -12 along Z from the same
    // joint, 3 m long.
    void addMemberNumberedBeams() {
        setGrid({1000, 1500}, {2000, 2300});
        addJoint(1, 1);
        addJoint(2, 1);
        addJoint(1, 2);
        addXBeam(1, 1, 2, 1043, 4500);
        addZBeam(1, 1, 2, -12, 3000);
    }

    PickBoxes draw() {
        const ListingDocument document = builder.build();
        return drawBeamPlan(document, view, surface);
    }

    testing::DocumentBuilder builder;
    RecordingSurface surface;
    PlanView view;

  private:
    std::vector<int16_t> xs_;
    std::vector<int16_t> zs_;
};

void expectBox(const PickBox& box, float left, float top, float right, float bottom) {
    EXPECT_FLOAT_EQ(box.left, left);
    EXPECT_FLOAT_EQ(box.top, top);
    EXPECT_FLOAT_EQ(box.right, right);
    EXPECT_FLOAT_EQ(box.bottom, bottom);
}

std::string textsOf(const RecordingSurface& surface) {
    std::string texts;
    for (const auto& text : surface.texts()) {
        texts += text.text + " ";
    }
    return texts;
}

TEST_F(BeamPlanTest, ALevelWithoutBeamsIsClearedAndHasNoBoxes) {
    setGrid({1000, 1500}, {2000});
    addJoint(1, 1);
    addJoint(2, 1);
    builder.member(1, jointAt(1, 1), jointAt(2, 1));  // a beam, but without a design row
    const PickBoxes boxes = draw();
    ASSERT_FALSE(surface.calls().empty());
    EXPECT_EQ(surface.calls()[0].kind, RecordingSurface::Kind::Clear);
    EXPECT_EQ(surface.lines().size(), 0u);
    EXPECT_EQ(surface.texts().size(), 0u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BeamPlanTest, XBeamRunsItsPrintedLengthWithSerialAboveTheLine) {
    // The next grid line is 5 m away, but the beam is printed 4500 mm long.
    setGrid({1000, 1500}, {2000});
    addJoint(1, 1);
    addJoint(2, 1);
    addXBeam(1, 1, 2, 1043, 4500);
    const PickBoxes boxes = draw();

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

    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "1");
    EXPECT_DOUBLE_EQ(texts[0].x1, 1225 - 5) << "centred on the mid-point";
    EXPECT_DOUBLE_EQ(texts[0].z1, 2000 - 13);
    EXPECT_FALSE(texts[0].font.has_value());

    ASSERT_EQ(boxes.size(), 1u);
    expectBox(boxes[0], 1000 + 10, 2000 - 13, 1450 - 10, 2000 + 13);
}

TEST_F(BeamPlanTest, ZBeamLabelsReadUpwardLeftOfTheLine) {
    setGrid({1000}, {2000, 2300});
    addJoint(1, 1);
    addJoint(1, 2);
    addZBeam(1, 1, 2, 7, 3000);
    const PickBoxes boxes = draw();

    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].x2, 1000);
    EXPECT_DOUBLE_EQ(lines[0].z2, 2300);

    ASSERT_EQ(boxes.size(), 1u);
    expectBox(boxes[0], 950, 2050, 1050, 2250);

    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 1u);
    ASSERT_TRUE(texts[0].font.has_value());
    EXPECT_EQ(texts[0].font->angleTenths, 900);
    // Anchor (1000 - w, 2150); the rotated "1" is 12 wide, so its cell starts 24 below.
    EXPECT_DOUBLE_EQ(texts[0].x1, 990);
    EXPECT_DOUBLE_EQ(texts[0].z1, 2150 + 24);
    EXPECT_FALSE(surface.selectedFont().has_value());
}

TEST_F(BeamPlanTest, SerialsRunColumnByColumnXBeforeZ) {
    setGrid({0, 500}, {0, 400});
    addJoint(1, 1);
    addJoint(1, 2);
    addJoint(2, 1);
    addJoint(2, 2);
    addZBeam(2, 1, 2, 40, 4000);  // later column: numbered after the whole first column
    addXBeam(1, 2, 2, 30, 5000);
    addZBeam(1, 1, 2, 20, 4000);
    addXBeam(1, 1, 2, 10, 5000);
    const PickBoxes boxes = draw();

    ASSERT_EQ(boxes.size(), 4u);
    const auto lines = surface.lines();
    ASSERT_EQ(lines.size(), 4u);
    // 1: +X at (0, 0); 2: +Z at (0, 0); 3: +X at (0, 400); 4: +Z at (500, 0).
    EXPECT_DOUBLE_EQ(lines[0].x2, 500);
    EXPECT_DOUBLE_EQ(lines[0].z2, 0);
    EXPECT_DOUBLE_EQ(lines[1].x2, 0);
    EXPECT_DOUBLE_EQ(lines[1].z2, 400);
    EXPECT_DOUBLE_EQ(lines[2].z1, 400);
    EXPECT_DOUBLE_EQ(lines[3].x1, 500);
    expectBox(boxes[1], -50, 50, 50, 350);
    expectBox(boxes[3], 450, 50, 550, 350);
    EXPECT_EQ(textsOf(surface), "1 2 3 4 ");
}

TEST_F(BeamPlanTest, MemberNumbersOnlyInMemberLoadModeWhenAskedFor) {
    addMemberNumberedBeams();

    const struct {
        LoadMode mode;
        bool memberNumbers;
        bool shown;
    } cases[] = {{LoadMode::Floor, true, false},
                 {LoadMode::Floor, false, false},
                 {LoadMode::Member, false, false},
                 {LoadMode::Member, true, true}};
    for (const auto& c : cases) {
        view.mode = c.mode;
        view.memberNumbers = c.memberNumbers;
        surface.forget();
        draw();
        const auto texts = surface.texts();
        SCOPED_TRACE(::testing::Message() << "member mode " << (c.mode == LoadMode::Member)
                                          << ", member numbers " << c.memberNumbers);
        if (!c.shown) {
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_EQ(texts[0].text, "1");
            EXPECT_EQ(texts[1].text, "2");
            continue;
        }
        ASSERT_EQ(texts.size(), 4u);
        // Member number first, serial last, at the same anchor and in the same way.
        EXPECT_EQ(texts[0].text, "B: 1043");
        EXPECT_EQ(texts[1].text, "1");
        EXPECT_DOUBLE_EQ(texts[0].x1, 1225 - 35);
        EXPECT_DOUBLE_EQ(texts[0].z1, texts[1].z1);
        EXPECT_EQ(texts[2].text, "B: -12");
        EXPECT_EQ(texts[3].text, "2");
        ASSERT_TRUE(texts[2].font.has_value());
        EXPECT_EQ(texts[2].font->angleTenths, 900);
        EXPECT_DOUBLE_EQ(texts[2].x1, 990);
        EXPECT_DOUBLE_EQ(texts[2].z1, 2150 + 2 * 6 * 12);
    }
}

// Beside the serial numbers: an X beam's member number starts a digit's width to the right of
// its serial; a Z beam's reads upward from where its serial starts, a digit's width further right.
TEST_F(BeamPlanTest, MemberNumbersBesideTheSerialsDoNotCoverThem) {
    addMemberNumberedBeams();
    view.mode = LoadMode::Member;
    view.memberNumbers = true;
    view.memberNumbersBeside = true;
    draw();
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "B: 1043");
    EXPECT_EQ(texts[1].text, "1");
    // The serial is centred on 1225 and 10 wide.
    EXPECT_DOUBLE_EQ(texts[1].x1, 1220);
    EXPECT_DOUBLE_EQ(texts[0].x1, 1225 + 5 + 10);
    EXPECT_DOUBLE_EQ(texts[0].z1, texts[1].z1);
    EXPECT_EQ(texts[2].text, "B: -12");
    EXPECT_EQ(texts[3].text, "2");
    EXPECT_EQ(texts[2].font, texts[3].font);
    EXPECT_DOUBLE_EQ(texts[3].x1, 990);
    EXPECT_DOUBLE_EQ(texts[2].x1, 1010);
    EXPECT_DOUBLE_EQ(texts[3].z1, 2150 + 2 * 12);
    EXPECT_DOUBLE_EQ(texts[2].z1, texts[3].z1);

    // Beside or not, the plan is the same but for where the member numbers are.
    const auto besideLines = surface.lines();
    view.memberNumbersBeside = false;
    surface.forget();
    draw();
    EXPECT_EQ(surface.lines().size(), besideLines.size());
    EXPECT_DOUBLE_EQ(surface.texts()[0].x1, 1225 - 35);
}

TEST_F(BeamPlanTest, DigitMeasuresAreRoundedHalfToEven) {
    setGrid({1000, 1500}, {2000});
    addJoint(1, 1);
    addJoint(2, 1);
    addXBeam(1, 1, 2, 1, 4500);
    surface.setOwnMetrics(10.5, 27);  // w = 10.5 -> 10, h = 13.5 -> 14
    expectBox(draw()[0], 1010, 1986, 1440, 2014);
    surface.setOwnMetrics(11.5, 25);  // w = 11.5 -> 12, h = 12.5 -> 12
    expectBox(draw()[0], 1012, 1988, 1438, 2012);
}

TEST_F(BeamPlanTest, ShortBeamGetsAnInvertedBoxThatNoPointPicks) {
    setGrid({1000, 1500}, {2000, 2300});
    addJoint(1, 1);
    addJoint(2, 1);
    addJoint(1, 2);
    addXBeam(1, 1, 2, 1, 150);  // 15 plan units, less than twice w
    addZBeam(1, 1, 2, 2, 800);  // 80 plan units, less than twice 50
    const PickBoxes boxes = draw();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_GT(boxes[0].left, boxes[0].right);
    EXPECT_GT(boxes[1].top, boxes[1].bottom);
    EXPECT_EQ(beamAt(boxes, 1007.5f, 2000), 0);
    EXPECT_EQ(beamAt(boxes, 1000, 2040), 0);
}

TEST_F(BeamPlanTest, DrawingChangesNothingButTheSurface) {
    setGrid({1000, 1500}, {2000});
    addJoint(1, 1);
    addJoint(2, 1);
    addXBeam(1, 1, 2, 1043, 4500);
    const ListingDocument document = builder.build();
    const PickBoxes first = drawBeamPlan(document, view, surface);
    const auto firstCalls = surface.calls().size();
    surface.forget();
    const PickBoxes second = drawBeamPlan(document, view, surface);
    ASSERT_EQ(second.size(), first.size());
    EXPECT_EQ(surface.calls().size(), firstCalls);
    EXPECT_EQ(textsOf(surface), "1 ") << "the serials start afresh";
}

// 16 X lines by 11 Z lines of joints; a +X and a +Z beam from every joint of the first 15 X
// lines and 10 Z lines: exactly 300 beams.
class BeamLimitTest : public BeamPlanTest {
  protected:
    void buildThreeHundred() {
        setGrid({500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000, 5500, 6000, 6500, 7000,
                 7500, 8000},
                {400, 800, 1200, 1600, 2000, 2400, 2800, 3200, 3600, 4000, 4400});
        for (int ix = 1; ix <= 16; ++ix) {
            for (int iz = 1; iz <= 11; ++iz) {
                addJoint(ix, iz);
            }
        }
        for (int ix = 1; ix <= 15; ++ix) {
            for (int iz = 1; iz <= 10; ++iz) {
                addXBeam(ix, iz, ix + 1, ix * 100 + iz, 5000);
                addZBeam(ix, iz, iz + 1, ix * 100 + iz + 50, 4000);
            }
        }
    }
};

TEST_F(BeamLimitTest, ThreeHundredBeamsDrawCompletely) {
    buildThreeHundred();
    EXPECT_EQ(draw().size(), 300u);
    EXPECT_EQ(surface.lines().size(), 300u);
    EXPECT_EQ(surface.texts().back().text, "300");
}

// The limit holds wherever a level's beams are listed, before any of them is drawn.
TEST_F(BeamLimitTest, TheThreeHundredAndFirstBeamEndsTheDrawingNamingTheLevel) {
    buildThreeHundred();
    addZBeam(16, 1, 2, 9999, 4000);
    try {
        draw();
        FAIL() << "a 301st beam must end the drawing";
    } catch (const ListingError& error) {
        EXPECT_NE(std::string(error.what()).find("Level 2 (at 3.5 m)"), std::string::npos)
            << error.what();
        EXPECT_NE(std::string(error.what()).find("300"), std::string::npos);
    }
    EXPECT_TRUE(surface.texts().empty());
    EXPECT_TRUE(builder.build().level(2).beamsError);
}

}  // namespace
}  // namespace fp

namespace fp {
namespace {

class MemberLoadsOnBeams : public BeamPlanTest {
  protected:
    MemberLoadsOnBeams() {
        addMemberNumberedBeams();
        builder.memberLoadOn(-12, 3, "").memberLoadOn(1043, 10, "1").memberLoadOn(1043, 2.5f, "2");
        builder.memberLoadOn(77, 8, "1");  // no beam of the level
        view.mode = LoadMode::Member;
        view.memberLoadsOnBeams = true;
    }
};

TEST_F(MemberLoadsOnBeams, EachBeamIsLabelledWithItsLoadsAndCases) {
    draw();
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1].text, "10 (1), 2.5 (2)");
    // Centred under the serial: w = 10 a character, h = 13.
    EXPECT_DOUBLE_EQ(texts[1].x1, 1225 - 75);
    EXPECT_DOUBLE_EQ(texts[1].z1, 2000 + 13);
    EXPECT_FALSE(texts[1].font.has_value());
    // Rotated, right of the +Z beam and centred on its middle: one 12-wide character whose
    // cell starts two widths below the point given.
    EXPECT_EQ(texts[3].text, "3");
    ASSERT_TRUE(texts[3].font.has_value());
    EXPECT_DOUBLE_EQ(texts[3].x1, 1000 + 10);
    EXPECT_DOUBLE_EQ(texts[3].z1, 2150 - 1.5 * 12 + 2 * 12);
    EXPECT_FALSE(surface.selectedFont().has_value());
}

// With the member numbers beside the serials, a +Z beam's loads move a column further right, off
// its member number.
TEST_F(MemberLoadsOnBeams, StandBesideMemberNumbersThatAreBesideTheSerials) {
    view.memberNumbers = true;
    view.memberNumbersBeside = true;
    draw();
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[3].text, "B: -12");
    EXPECT_EQ(texts[5].text, "3");
    EXPECT_DOUBLE_EQ(texts[3].x1, 1000 + 10);
    EXPECT_DOUBLE_EQ(texts[5].x1, 1000 + 10 + 2.5 * 10);
}

TEST_F(MemberLoadsOnBeams, CasesFollowTheLoadCaseTitlesBox) {
    view.loadCaseNumbers = false;
    draw();
    EXPECT_EQ(surface.texts()[1].text, "10, 2.5");
}

TEST_F(MemberLoadsOnBeams, OnlyInMemberLoadModeAndOffByDefault) {
    view.mode = LoadMode::Floor;
    draw();
    EXPECT_EQ(textsOf(surface), "1 2 ");
    surface.forget();
    view = PlanView{};
    view.level = kLevel;
    view.mode = LoadMode::Member;
    draw();
    EXPECT_EQ(textsOf(surface), "1 2 ");
}

}  // namespace
}  // namespace fp
