// Horizontal alignment, rotated text placement and the rotated font's description.
#include "plan/text_placement.h"

#include <gtest/gtest.h>

#include "model/listing_error.h"
#include "plan/font_description.h"
#include "support/recording_surface.h"

namespace fp {
namespace {

using test::RecordingSurface;

// "abcd" is 40 wide in the recording surface's own font.
TEST(WriteAligned, PlacesTheTextStartByAlignment) {
    const struct {
        Alignment alignment;
        double start;
    } cases[] = {{Alignment::Centre, 80}, {Alignment::Right, 60}, {Alignment::Left, 100}};
    for (const auto& c : cases) {
        RecordingSurface surface;
        writeAligned(surface, "abcd", 100, 7, c.alignment);
        const auto texts = surface.texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_DOUBLE_EQ(texts[0].x1, c.start) << "alignment " << static_cast<int>(c.alignment);
        EXPECT_DOUBLE_EQ(texts[0].z1, 7) << "y is the top of the text";
        EXPECT_EQ(texts[0].text, "abcd");
        EXPECT_FALSE(texts[0].font.has_value());
    }
}

TEST(WriteAligned, EmptyTextIsWrittenAtThePoint) {
    RecordingSurface surface;
    writeAligned(surface, "", 100, 50, Alignment::Centre);
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_DOUBLE_EQ(texts[0].x1, 100);
    EXPECT_EQ(texts[0].text, "");
}

TEST(WriteRotated, StartsTwiceTheRotatedWidthBelowTheAnchor) {
    RecordingSurface surface;
    writeRotated(surface, "17", 990, 2150, 900);
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_DOUBLE_EQ(texts[0].x1, 990);
    // Two characters of 12 in the rotated font: 2150 + 2 * 24. Measuring in the own font
    // (2 * 20) or taking half the width would land elsewhere.
    EXPECT_DOUBLE_EQ(texts[0].z1, 2198);
    ASSERT_TRUE(texts[0].font.has_value());
    EXPECT_EQ(texts[0].font->angleTenths, 900);
    EXPECT_EQ(texts[0].font->family, "Arial");
}

TEST(WriteRotated, RestoresTheOwnFontForLaterText) {
    RecordingSurface surface;
    writeRotated(surface, "B: 12", 0, 0, 900);
    EXPECT_FALSE(surface.selectedFont().has_value());
    const auto& calls = surface.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, RecordingSurface::Kind::SelectFont);
    EXPECT_EQ(calls[1].kind, RecordingSurface::Kind::Text);
    EXPECT_EQ(calls[2].kind, RecordingSurface::Kind::RestoreOwnFont);

    writeAligned(surface, "abcd", 100, 0, Alignment::Centre);
    EXPECT_FALSE(surface.texts().back().font.has_value());
    EXPECT_DOUBLE_EQ(surface.texts().back().x1, 80);
}

// A surface whose drawText fails: the rotated font must still be given back.
class FailingTextSurface : public RecordingSurface {
  public:
    void drawText(std::string_view, double, double) override {
        throw ListingError("The plan cannot be drawn");
    }
};

TEST(WriteRotated, RestoresTheOwnFontWhenWritingFails) {
    FailingTextSurface surface;
    EXPECT_THROW(writeRotated(surface, "1", 0, 0, 900), ListingError);
    EXPECT_FALSE(surface.selectedFont().has_value());
}

TEST(RotatedLabelFont, NinePointArialAtTheAngleRoundedHalfToEven) {
    EXPECT_EQ(rotatedLabelFont(900).angleTenths, 900);
    EXPECT_EQ(rotatedLabelFont(900.5f).angleTenths, 900);
    EXPECT_EQ(rotatedLabelFont(901.5f).angleTenths, 902);
    EXPECT_EQ(rotatedLabelFont(900.4f).angleTenths, 900);
    EXPECT_EQ(rotatedLabelFont(-450.5f).angleTenths, -450);
    EXPECT_EQ(rotatedLabelFont(900).points, 9);
    EXPECT_EQ(rotatedLabelFont(900).family, "Arial");
}

TEST(RotatedLabelFont, AnImpossibleAngleEndsTheDrawing) {
    EXPECT_THROW(rotatedLabelFont(1e20f), ListingError);
}

}  // namespace
}  // namespace fp
