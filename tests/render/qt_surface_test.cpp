// The Qt surface on an image: the plan-to-pixel mapping, round circles, rotated text, fonts.
#include "render/qt_surface.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <cmath>

#include "plan/font_description.h"
#include "plan/text_placement.h"

namespace fp {
namespace {

// The extent of the dark pixels of an image.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

class QtSurfaceOnImage : public ::testing::Test {
  protected:
    QtSurfaceOnImage() : image(400, 200, QImage::Format_RGB32) { image.fill(Qt::white); }

    QImage image;
};

// On a screen scaled by 150 % or 200 %, every beam line is the same whole number of the
// screen's pixels wide, wherever it falls between them.
TEST(QtSurfaceOnAScaledScreen, EveryLineHasOneWidth) {
    for (const double ratio : {1.5, 2.0}) {
        QImage image(static_cast<int>(300 * ratio), static_cast<int>(100 * ratio),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QtSurface surface(painter, QRectF(0, 0, 300, 100));
            surface.setScale(0, 0, 300, 100);
            // Vertical lines at a third of a pixel apart, so they fall differently on the pixels.
            for (int i = 0; i < 12; ++i) {
                const double x = 10 + i * 20 + i / 3.0;
                surface.line(x, 10, x, 90);
            }
        }
        std::vector<int> widths;
        int run = 0;
        const int row = image.height() / 2;
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, row)) < 128) {
                ++run;
            } else if (run > 0) {
                widths.push_back(run);
                run = 0;
            }
        }
        ASSERT_EQ(widths.size(), 12u) << "ratio " << ratio;
        for (const int width : widths) {
            EXPECT_EQ(width, 2) << "ratio " << ratio;
        }
    }
}

TEST_F(QtSurfaceOnImage, MapsTheScaleOntoTheArea) {
    QPainter painter(&image);
    QtSurface surface(painter, QRectF(100, 50, 200, 100));
    surface.setScale(-100, 1000, 300, 1200);
    EXPECT_EQ(surface.toDevice(-100, 1000), QPointF(100, 50));
    EXPECT_EQ(surface.toDevice(300, 1200), QPointF(300, 150));
    EXPECT_EQ(surface.toDevice(100, 1100), QPointF(200, 100));
}

TEST_F(QtSurfaceOnImage, ClearPaintsOnlyItsArea) {
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        QtSurface surface(painter, QRectF(100, 50, 200, 100));
        surface.clear();
    }
    EXPECT_EQ(qGray(image.pixel(150, 100)), 255);
    EXPECT_EQ(qGray(image.pixel(50, 100)), 0);
}

TEST_F(QtSurfaceOnImage, AnEmptyAreaStillMeasuresFiniteText) {
    QPainter painter(&image);
    QtSurface surface(painter, QRectF(0, 0, 0, 0));
    surface.setScale(0, 0, 400, 200);
    EXPECT_TRUE(std::isfinite(surface.textWidth("8")));
    EXPECT_TRUE(std::isfinite(surface.textHeight("8")));
}

TEST_F(QtSurfaceOnImage, CirclesStayRoundWhateverTheScales) {
    {
        QPainter painter(&image);
        QtSurface surface(painter, QRectF(image.rect()));
        // 2 pixels per unit across, half a pixel per unit down.
        surface.setScale(0, 0, 200, 400);
        surface.circle(100, 200, 20);
    }
    const QRect ink = inkBounds(image);
    EXPECT_NEAR(ink.width(), 80, 3);
    EXPECT_NEAR(ink.height(), 80, 3);
    EXPECT_NEAR(ink.center().x(), 200, 2);
    EXPECT_NEAR(ink.center().y(), 100, 2);
}

TEST_F(QtSurfaceOnImage, MeasuresTextInPlanUnits) {
    QPainter painter(&image);
    QtSurface surface(painter, QRectF(image.rect()));
    surface.setScale(0, 0, 400, 200);
    const double width = surface.textWidth("8");
    const double height = surface.textHeight("8");
    EXPECT_GT(width, 3);
    EXPECT_GT(height, width);
    surface.setScale(0, 0, 800, 50);  // half a pixel per unit across, four down
    EXPECT_NEAR(surface.textWidth("8"), 2 * width, 1e-9);
    EXPECT_NEAR(surface.textHeight("8"), height / 4, 1e-9);
}

TEST_F(QtSurfaceOnImage, RotatedTextRunsUpwardAndTheOwnFontReturns) {
    QPainter painter(&image);
    QtSurface surface(painter, QRectF(image.rect()));
    surface.setScale(0, 0, 400, 200);
    const double ownWidth = surface.textWidth("12345");

    surface.selectFont(rotatedLabelFont(900));
    const double rotatedWidth = surface.textWidth("12345");
    surface.drawText("12345", 200, 150);
    surface.restoreOwnFont();
    painter.end();

    const QRect ink = inkBounds(image);
    EXPECT_GT(ink.height(), 2 * ink.width()) << "the text stands upright";
    // Turned about the cell's top-left: it rises from (200, 150) with the glyphs to the right.
    EXPECT_NEAR(ink.bottom(), 150, 2);
    EXPECT_NEAR(ink.height(), rotatedWidth, 3);
    EXPECT_GE(ink.left(), 199);
    EXPECT_GT(rotatedWidth, ownWidth) << "12 pixels is larger than 8 points at 96 dpi";

    QPainter again(&image);
    QtSurface fresh(again, QRectF(image.rect()));
    fresh.setScale(0, 0, 400, 200);
    EXPECT_DOUBLE_EQ(fresh.textWidth("12345"), ownWidth);
}

TEST_F(QtSurfaceOnImage, WritingRotatedLeavesHorizontalTextInTheOwnFont) {
    QPainter painter(&image);
    QtSurface surface(painter, QRectF(image.rect()));
    surface.setScale(0, 0, 400, 200);
    const double before = surface.textWidth("123");
    writeRotated(surface, "123", 100, 20, 900);
    EXPECT_DOUBLE_EQ(surface.textWidth("123"), before);
}

// On a PDF page the pen is wider than one device unit; the beams drawn after a label must keep it.
// The label font's points become whole pixels of the device, the halves to even: PDF pages at
// 300 dpi and the screen at 96 keep the sizes their labels have always had.
TEST(QtSurfaceFonts, NinePointsAreWholeDevicePixels) {
    const struct {
        int dotsPerInch;
        int pixels;
    } cases[] = {{96, 12}, {120, 15}, {300, 38}, {180, 22}, {60, 8}};
    for (const auto& [dotsPerInch, pixels] : cases) {
        QImage image(50, 50, QImage::Format_RGB32);
        const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        QPainter painter(&image);
        QtSurface surface(painter, QRectF(image.rect()));
        surface.selectFont(rotatedLabelFont(900));
        EXPECT_EQ(painter.font().pixelSize(), pixels) << dotsPerInch << " dpi";
    }
}

TEST(QtSurfaceOnPdf, LabelsLeaveTheBeamPenAsItWas) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&file);
    pdf.setResolution(300);
    QPainter painter(&pdf);
    QtSurface surface(painter, QRectF(0, 0, pdf.width(), pdf.height()));
    surface.setScale(0, 0, 1000, 1000);
    const double beamPen = painter.pen().widthF();
    ASSERT_GT(beamPen, 3) << "one screen pixel at 300 dpi";

    writeAligned(surface, "17", 500, 500, Alignment::Centre);
    EXPECT_DOUBLE_EQ(painter.pen().widthF(), beamPen);
    writeRotated(surface, "18", 500, 500, 900);
    EXPECT_DOUBLE_EQ(painter.pen().widthF(), beamPen);
}

}  // namespace
}  // namespace fp
