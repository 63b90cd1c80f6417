// Horizontal alignment, rotated text placement and the rotated font's description.
#include "plan/text_placement.h"

#include <gtest/gtest.h>

#include "model/run_error.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using test::RecordingSurface;

// "abcd" is 40 wide in the recording surface's own font.
TEST(PrintAligned, PlacesTheTextStartByAlignment) {
    const struct {
        int alignment;
        double start;
    } cases[] = {{1, 80}, {2, 60}, {0, 100}, {3, 100}, {-1, 100}};
    for (const auto& c : cases) {
        RecordingSurface surface;
        PrintAligned(surface, "abcd", 100, 7, c.alignment);
        const auto prints = surface.prints();
        ASSERT_EQ(prints.size(), 1u);
        EXPECT_DOUBLE_EQ(prints[0].x1, c.start) << "alignment " << c.alignment;
        EXPECT_DOUBLE_EQ(prints[0].z1, 7) << "y is the top of the text";
        EXPECT_EQ(prints[0].text, "abcd");
        EXPECT_FALSE(prints[0].font.has_value());
    }
}

TEST(PrintAligned, EmptyTextIsWrittenAtThePoint) {
    RecordingSurface surface;
    PrintAligned(surface, "", 100, 50, 1);
    const auto prints = surface.prints();
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_DOUBLE_EQ(prints[0].x1, 100);
    EXPECT_EQ(prints[0].text, "");
}

TEST(PrintRotated, StartsTwiceTheRotatedWidthBelowTheAnchor) {
    RecordingSurface surface;
    PrintRotated(surface, "17", 990, 2150, 900);
    const auto prints = surface.prints();
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_DOUBLE_EQ(prints[0].x1, 990);
    // Two characters of 12 in the rotated font: 2150 + 2 * 24. Measuring in the own font
    // (2 * 20) or taking half the width would land elsewhere.
    EXPECT_DOUBLE_EQ(prints[0].z1, 2198);
    ASSERT_TRUE(prints[0].font.has_value());
    EXPECT_EQ(prints[0].font->lfEscapement, 900);
    EXPECT_EQ(prints[0].font->lfFaceName, "Arial");
}

TEST(PrintRotated, RestoresTheOwnFontForLaterText) {
    RecordingSurface surface;
    PrintRotated(surface, "B: 12", 0, 0, 900);
    EXPECT_FALSE(surface.selectedFont().has_value());
    const auto& calls = surface.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, RecordingSurface::Kind::SelectFont);
    EXPECT_EQ(calls[1].kind, RecordingSurface::Kind::Print);
    EXPECT_EQ(calls[2].kind, RecordingSurface::Kind::RestoreOwnFont);

    PrintAligned(surface, "abcd", 100, 0, 1);
    EXPECT_FALSE(surface.prints().back().font.has_value());
    EXPECT_DOUBLE_EQ(surface.prints().back().x1, 80);
}

// A surface whose Print fails: the rotated font must still be given back.
class FailingPrintSurface : public RecordingSurface {
  public:
    void Print(std::string_view) override { throw RunEndingError("The plan cannot be drawn"); }
};

TEST(PrintRotated, RestoresTheOwnFontWhenPrintingFails) {
    FailingPrintSurface surface;
    EXPECT_THROW(PrintRotated(surface, "1", 0, 0, 900), RunEndingError);
    EXPECT_FALSE(surface.selectedFont().has_value());
}

TEST(FontDescription, EscapementIsTheAngleRoundedHalfToEven) {
    EXPECT_EQ(FontDescription::rotatedArial(900, 15).lfEscapement, 900);
    EXPECT_EQ(FontDescription::rotatedArial(900.5f, 15).lfEscapement, 900);
    EXPECT_EQ(FontDescription::rotatedArial(901.5f, 15).lfEscapement, 902);
    EXPECT_EQ(FontDescription::rotatedArial(900.4f, 15).lfEscapement, 900);
    EXPECT_EQ(FontDescription::rotatedArial(-450.5f, 15).lfEscapement, -450);
}

TEST(FontDescription, HeightIsNinePointsInDevicePixels) {
    EXPECT_EQ(FontDescription::rotatedArial(900, 15).lfHeight, -12);
    EXPECT_EQ(FontDescription::rotatedArial(900, 12).lfHeight, -15);
    // 180 / 8 = 22.5 rounds to the even 22; 180 / 24 = 7.5 rounds to 8.
    EXPECT_EQ(FontDescription::rotatedArial(900, 8).lfHeight, -22);
    EXPECT_EQ(FontDescription::rotatedArial(900, 24).lfHeight, -8);
    EXPECT_EQ(FontDescription::rotatedArial(900, 15).lfFaceName, "Arial");
}

TEST(FontDescription, AnImpossibleDeviceOrAngleEndsTheRun) {
    EXPECT_THROW(FontDescription::rotatedArial(900, 0), RunEndingError);
    EXPECT_THROW(FontDescription::rotatedArial(1e20f, 15), RunEndingError);
}

}  // namespace
}  // namespace fp
