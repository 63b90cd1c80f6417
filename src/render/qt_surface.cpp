// Plan drawing on a QPainter, with fonts and pens sized for the device it paints on.
#include "render/qt_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "model/rounding.h"

namespace fp {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kPointsPerInch = 72;

// Arial is seldom installed on Linux; Liberation Sans is metric-compatible with it.
QString familyFor(const std::string& family) {
    if (family == "Arial") {
        return QStringLiteral("Liberation Sans");
    }
    return QString::fromStdString(family);
}

}  // namespace

QFont QtSurface::ownFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8);
    return font;
}

QtSurface::QtSurface(QPainter& painter, const QRectF& deviceArea)
    : painter_(painter),
      area_(deviceArea),
      ownFont_(ownFont()),
      ownLabels_(&LabelTextCache::forFont(ownFont_, painter.device())),
      labels_(ownLabels_) {
    // Beams run along the axes and are crisp, and quicker, without smoothing; circles and any
    // slanted line are smoothed where they are drawn.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    // One screen pixel wide on any device, so a PDF page looks like the window; on a scaled
    // screen a whole number of its pixels, so that every beam has the same width.
    const double pixelRatio = painter.device()->devicePixelRatioF();
    const double devicePixels = painter.device()->logicalDpiX() / kScreenDpi * pixelRatio;
    QPen pen(Qt::black);
    pen.setWidthF(pixelRatio == 1 ? devicePixels
                                  : std::max(1.0, std::round(devicePixels)) / pixelRatio);
    painter_.setPen(pen);
    planPen_ = pen;
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(ownFont_);
    setScale(area_.left(), area_.top(), area_.right(), area_.bottom());
}

void QtSurface::setStroke(const Stroke& stroke) {
    QPen pen = planPen_;
    pen.setColor(QColor(stroke.red, stroke.green, stroke.blue));
    pen.setWidthF(planPen_.widthF() * stroke.widthFactor);
    pen.setStyle(stroke.dashed ? Qt::DashLine : Qt::SolidLine);
    painter_.setPen(pen);
}

void QtSurface::restorePlanStroke() {
    painter_.setPen(planPen_);
}

void QtSurface::clear() {
    painter_.fillRect(area_, Qt::white);
}

void QtSurface::setScale(double left, double top, double right, double bottom) {
    // An area squeezed to nothing still measures text, as if it were one pixel across.
    transform_ = PlanTransform({left, top, right, bottom}, area_.left(), area_.top(), area_.width(),
                               area_.height());
}

QPointF QtSurface::toDevice(double x, double z) const {
    return {transform_.deviceX(x), transform_.deviceZ(z)};
}

void QtSurface::line(double x1, double z1, double x2, double z2) {
    const bool alongAnAxis = x1 == x2 || z1 == z2;
    painter_.setRenderHint(QPainter::Antialiasing, !alongAnAxis);
    painter_.drawLine(toDevice(x1, z1), toDevice(x2, z2));
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtSurface::circle(double x, double z, double radius) {
    const double pixels = std::abs(radius * transform_.scaleX());
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.drawEllipse(toDevice(x, z), pixels, pixels);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtSurface::fillSquare(double x, double z, double halfSide) {
    const double pixels = std::abs(halfSide * transform_.scaleX());
    const QPointF centre = toDevice(x, z);
    painter_.fillRect(QRectF(centre.x() - pixels, centre.y() - pixels, 2 * pixels, 2 * pixels),
                      planPen_.color());
}

void QtSurface::setLineStyle(LineStyle style) {
    if (style == LineStyle::Normal) {
        painter_.setPen(planPen_);
        return;
    }
    // Grey, so that the grid reads as lying under the beams; as wide as the beams, since one
    // screen pixel is as thin as a line can be drawn there.
    QPen pen = planPen_;
    pen.setColor(QColor(0x70, 0x70, 0x70));
    if (style == LineStyle::GridLine) {
        pen.setStyle(Qt::DashDotLine);
    }
    painter_.setPen(pen);
}

double QtSurface::verticalPerHorizontal() {
    return std::abs(transform_.scaleX() / transform_.scaleZ());
}

double QtSurface::textWidth(std::string_view text) {
    return labels_->label(text).width / std::abs(transform_.scaleX());
}

double QtSurface::textHeight(std::string_view) {
    return labels_->metrics().height() / std::abs(transform_.scaleZ());
}

void QtSurface::drawText(std::string_view text, double x, double z) {
    const QPointF cellTopLeft = toDevice(x, z);
    const QStaticText& layout = labels_->label(text).layout;
    // Qt leaves a one-unit pen behind after text on some devices (a PDF page); the beams drawn
    // after a label keep theirs.
    const QPen beamPen = painter_.pen();
    if (escapementDegrees_ == 0) {
        painter_.drawStaticText(cellTopLeft, layout);
        painter_.setPen(beamPen);
        if (textTold_) {
            textTold_(text, QRectF(cellTopLeft, cellSize(layout)));
        }
        return;
    }
    // Turned about the cell's top-left: counter-clockwise on the page is negative in Qt,
    // whose y grows downward.
    const QTransform base = painter_.worldTransform();
    QTransform turned;
    turned.translate(cellTopLeft.x(), cellTopLeft.y());
    turned.rotate(-escapementDegrees_);
    painter_.setWorldTransform(turned * base);
    painter_.drawStaticText(QPointF(0, 0), layout);
    painter_.setWorldTransform(base);
    painter_.setPen(beamPen);
    if (textTold_) {
        textTold_(text, turned.mapRect(QRectF(QPointF(0, 0), cellSize(layout))));
    }
}

QFont QtSurface::shrunkOwnFont(double shrink) const {
    QFont font = ownFont_;
    const QPaintDevice* device = painter_.device();
    if (setsWholePixels()) {
        const double pixels =
            ownFont_.pointSizeF() * shrink * device->logicalDpiY() / kPointsPerInch;
        font.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels))));
        return font;
    }
    // A font's measures do not shrink in step with its size (a screen rounds its ascent and
    // descent to its pixels): the largest size, in twentieths of a point, whose line and
    // figures take no more than their share.
    static const QString figures = QStringLiteral("0123456789 (.X)");
    const QFontMetricsF own(ownFont_, device);
    const double height = own.height() * shrink;
    const double width = own.horizontalAdvance(figures) * shrink;
    constexpr double kStep = 0.05;
    for (double points = ownFont_.pointSizeF() * shrink; points > kStep; points -= kStep) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font, device);
        if (metrics.height() <= height && metrics.horizontalAdvance(figures) <= width) {
            break;
        }
    }
    return font;
}

QSizeF QtSurface::cellSize(const QStaticText& layout) const {
    // The layout's own height is rounded up to whole pixels; the font's ascent and descent are
    // what its glyphs reach.
    return {layout.size().width(), labels_->metrics().height()};
}

void QtSurface::useFont(const QFont& font, LabelTextCache* labels) {
    painter_.setFont(font);
    labels_ = labels;
}

void QtSurface::selectFont(const FontDescription& description) {
    const bool realised = realisedDescription_ &&
                          realisedDescription_->points == description.points &&
                          realisedDescription_->family == description.family &&
                          realisedDescription_->shrink == description.shrink;
    if (!realised) {
        QFont font(description.family.empty() ? ownFont_.family() : familyFor(description.family));
        if (description.points == 0 && description.shrink < 1) {
            font = shrunkOwnFont(description.shrink);
        } else if (description.points == 0) {
            font.setPointSizeF(ownFont_.pointSizeF() * description.shrink);
        } else {
            // Whole pixels of the device, rounded half to even: 12 at 96 dpi, 38 at 300.
            font.setPixelSize(std::max(
                1, std::abs(roundToInt32(description.points * description.shrink *
                                             painter_.device()->logicalDpiY() / kPointsPerInch,
                                         "height of a label font"))));
        }
        realisedFont_ = font;
        realisedLabels_ = &LabelTextCache::forFont(font, painter_.device());
        realisedDescription_ = description;
    }
    useFont(realisedFont_, realisedLabels_);
    escapementDegrees_ = description.angleTenths / 10.0;
}

bool QtSurface::setsWholePixels() const {
    const QPaintEngine* engine = painter_.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Pdf;
}

void QtSurface::restoreOwnFont() {
    useFont(ownFont_, ownLabels_);
    escapementDegrees_ = 0;
}

}  // namespace fp
